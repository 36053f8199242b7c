#pragma once
// What the resource builders throw when their input cannot make a valid resource. The message
// says what is wrong and where, fit for a build log.

#include <stdexcept>

namespace launcher::resources {

class ResourceBuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace launcher::resources
