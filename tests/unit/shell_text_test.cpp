#include <gtest/gtest.h>

#include "shell/executable_path.h"
#include "shell/fatal_error_text.h"

namespace launcher::test {
namespace {

TEST(SplitExecutablePath, CutsAtTheLastBackslash) {
    const struct {
        int line;
        const wchar_t* path;
        const wchar_t* runDirectory;
        const wchar_t* programFileName;
    } rows[] = {
        {__LINE__, L"C:\\Games\\Play\\Launcher.exe", L"C:\\Games\\Play", L"Launcher.exe"},
        {__LINE__, L"E:\\Launcher.exe", L"E:", L"Launcher.exe"},  // drive root: no trailing backslash
        // 淺 is 9C 5C in GBK; as wide text its second byte can never pass for a separator.
        {__LINE__, L"C:\\淺\\Launcher.exe", L"C:\\淺", L"Launcher.exe"},
        {__LINE__, L"Launcher.exe", L"", L"Launcher.exe"},
        {__LINE__, L"C:\\Games\\", L"C:\\Games", L""},
        {__LINE__, L"", L"", L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line);
        const ExecutablePath split = SplitExecutablePath(row.path);
        EXPECT_EQ(split.runDirectory, row.runDirectory);
        EXPECT_EQ(split.programFileName, row.programFileName);
    }
}

TEST(FatalErrorText, CodeAndMessageEachAppearOnlyWhenGiven) {
    const struct {
        int line;
        const wchar_t* message;
        std::int32_t code;
        const wchar_t* expected;
    } rows[] = {
        {__LINE__, L"载入窗口模板数据段出错!", 0, L"运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"},
        {__LINE__, L"", -1, L"运行时出错!\r\n\r\n错误代码：-1\r\n\r\n"},
        {__LINE__, L"载入启动窗口失败", 2147483647,
         L"运行时出错!\r\n\r\n错误代码：2147483647\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        {__LINE__, L"", 0, L"运行时出错!\r\n\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line);
        EXPECT_EQ(FatalErrorText(row.message, row.code), row.expected);
    }
}

TEST(FatalErrorText, OutOfMemoryMessageNamesTheRequestedBytes) {
    EXPECT_EQ(OutOfMemoryMessage(1024), L"分配 1024 字节内存失败!");
}

}  // namespace
}  // namespace launcher::test
