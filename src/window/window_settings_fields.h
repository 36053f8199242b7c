#pragma once
// The window settings' stored fields after the layout version, in order. Reading and writing walk
// the same list, so the two can never disagree on the layout; they live in separate objects so
// that the launcher links only the reader.

#include <cstdint>

namespace launcher {

template <typename Io, typename Settings>
void VisitWindowSettingsFields(Io& io, Settings& s, std::uint32_t version) {
    io.U32(s.border);
    io.U32(s.pictureMode);
    io.U32(s.backColor);
    io.Flag(s.maxButton);
    io.Flag(s.minButton);
    io.Flag(s.controlBox);
    io.U32(s.startPosition);
    io.Flag(s.movable);
    io.U32(s.playCount);
    io.Flag(s.enterMovesFocus);
    io.Flag(s.escCloses);
    io.Flag(s.f1OpensHelp);
    io.I32(s.helpContext);
    if (version >= 2) io.Flag(s.showInTaskbar);
    if (version >= 3) {
        io.Flag(s.dragAnywhere);
        io.U32(s.shape);
    }
    if (version >= 4) io.Flag(s.topMost);
    if (version >= 5) io.Flag(s.keepTitleActive);
    if (version >= 6) io.CountedText(s.className);
    io.ByteBlock(s.backPicture);
    io.ByteBlock(s.icon);
    io.ByteBlock(s.backMusic);
    io.CountedText(s.caption);
    io.CountedText(s.helpFile);
}

}  // namespace launcher
