#include "exhibition/Exhibition.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"
#include "platform/TextCodec.h"
#include "platform/win/CopyTarget.h"
#include "platform/win/WidePath.h"
#include "support/RecordingMessageBox.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

namespace lumo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Builds the item a.tsd, a_t.jpg, a_d.png of source into folder and gives the messages
// shown.
std::vector<std::string> BuildOneItem(const TempDir& source, const std::string& folder) {
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser({folder});
    Exhibition exhibition;
    exhibition.Insert(0, {source / "a.tsd", source / "a_t.jpg", source / "a_d.png", {}});
    exhibition.Build({}, BuildServices{messages, chooser, {}});
    // The check's question (answered Yes) is not what these cases are about.
    std::vector<std::string> shown;
    for (const RecordingMessageBox::Call& call : messages.calls) {
        if (call.kind != RecordingMessageBox::Kind::Ask) {
            shown.push_back(call.text);
        }
    }
    return shown;
}

TEST(WindowsPaths, PartsOfDriveUncAndLongPaths) {
    struct Case {
        std::string path;
        std::string fileName;
        std::string extension;
        std::string folder;
    };
    const std::vector<Case> cases = {
        {"C:\\show\\00\\a.tsd", "a.tsd", ".tsd", "C:\\show\\00\\"},
        {"D:\\src\\slices\\", "slices\\", "", "D:\\src\\slices\\"},
        {"C:a.tsd", "a.tsd", ".tsd", ""},
        {"C:\\", "C:\\", "", "C:\\"},
        {"C:/mixed/b.PNG", "b.PNG", ".PNG", "C:/mixed/"},
        {"C:\\a.b\\c", "c", "", "C:\\a.b\\"},
        {"\\\\server\\share\\x.dat", "x.dat", ".dat", "\\\\server\\share\\"},
        {"\\\\?\\C:\\long\\name.jpg", "name.jpg", ".jpg", "\\\\?\\C:\\long\\"},
        {"\\\\?\\UNC\\server\\share\\v\\", "v\\", "", "\\\\?\\UNC\\server\\share\\v\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNamePart(c.path), c.fileName) << c.path;
        EXPECT_EQ(ExtensionOf(c.path), c.extension) << c.path;
        EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    }
}

TEST(WindowsPaths, LongFormOfEveryAbsolutePath) {
    struct Case {
        std::string path;
        std::wstring longForm;
        std::string userForm;
    };
    const std::vector<Case> cases = {
        {"C:\\show\\00\\..\\01\\a.tsd", L"\\\\?\\C:\\show\\01\\a.tsd", "C:\\show\\01\\a.tsd"},
        {"C:/show/a.tsd", L"\\\\?\\C:\\show\\a.tsd", "C:\\show\\a.tsd"},
        {"\\\\server\\share\\x.dat", L"\\\\?\\UNC\\server\\share\\x.dat",
         "\\\\server\\share\\x.dat"},
        {"\\\\?\\C:\\kept\\.\\as is", L"\\\\?\\C:\\kept\\.\\as is", "C:\\kept\\.\\as is"},
        {"C:\\展示\\表.tsd", L"\\\\?\\C:\\\u5C55\u793A\\\u8868.tsd", "C:\\展示\\表.tsd"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LongPath(c.path), c.longForm) << c.path;
        EXPECT_EQ(UserPath(c.longForm), c.userForm) << c.path;
    }
}

TEST(WindowsPaths, DeviceNamesAreRecognisedWhateverTheirExtension) {
    for (const char* name :
         {"CON", "con", "NUL.txt", "nul .txt", "Aux", "PRN.tsd", "COM1", "lpt9.dat", "COM3\\"}) {
        EXPECT_TRUE(IsDeviceName(name)) << name;
    }
    for (const char* name : {"CONSOLE", "COM0", "COM10", "nul_x", "x.con", "LPT", ""}) {
        EXPECT_FALSE(IsDeviceName(name)) << name;
    }
}

// A data path naming a device fails like ".." does, opens nothing and leaves the folder
// as it was.
TEST(WindowsFiles, DeviceNamesAreNeverStagingTargets) {
    TempDir temp;
    WriteFile(temp / "a_t.jpg", "x");
    WriteFile(temp / "a_d.png", "x");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"NUL", "NULフォルダ作成に失敗しました"},
        {"con.dat", "con.dat作成に失敗しました"},
        {"COM1\\", "COM1\\フォルダ作成に失敗しました"},
    };
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const std::string show = temp / ("show" + std::to_string(k));
        ASSERT_TRUE(CreateFolder(show));
        WriteFile(temp / "a.tsd", "<TessraFile>\n<data><file path=\"" + cases[k].first +
                                      "\" /></data>\n</TessraFile>\n");
        const std::vector<std::string> messages = BuildOneItem(temp, show);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front().rfind("エラー　" + cases[k].second + "\n", 0), 0u)
            << messages.front();
        EXPECT_EQ(ListFolder(show + "\\*"),
                  (std::vector<std::string>{show + "\\.", show + "\\.."}));
    }
}

// A reparse point (link, junction) could lead a copy anywhere; Wine cannot make one, so
// the decision is tested on the attributes the system reports.
TEST(WindowsCopy, RefusesTargetsByTheirAttributes) {
    const std::vector<std::pair<DWORD, bool>> cases = {
        {INVALID_FILE_ATTRIBUTES, false},
        {FILE_ATTRIBUTE_NORMAL, false},
        {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY, false},
        {FILE_ATTRIBUTE_REPARSE_POINT, true},
        {FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE, true},
        {FILE_ATTRIBUTE_DIRECTORY, true},
        {FILE_ATTRIBUTE_DEVICE, true},
    };
    for (const auto& [attributes, refused] : cases) {
        EXPECT_EQ(IsRefusedCopyTarget(attributes), refused) << attributes;
    }
}

// Holds a file open without sharing, as a virus scanner does, and lets go after a moment.
class BriefLock {
public:
    explicit BriefLock(const std::string& path)
        : handle_(CreateFileW(LongPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)),
          release_([this] {
              Sleep(300);
              CloseHandle(handle_);
          }) {}
    ~BriefLock() { release_.join(); }
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
    std::thread release_;
};

TEST(WindowsFiles, ReplaceAndCopyWaitOutABriefLock) {
    TempDir temp;
    const std::string document = temp / "exhibition.tsd";
    const std::string copy = temp / "copy.jpg";
    WriteFile(document, "old");
    WriteFile(copy, "old");
    WriteFile(temp / "source.jpg", "new picture");
    std::string reason;
    {
        BriefLock lock(document);
        ASSERT_TRUE(lock.held());
        EXPECT_TRUE(ReplaceFileAtomically(document, "new document", reason)) << reason;
    }
    {
        BriefLock lock(copy);
        ASSERT_TRUE(lock.held());
        EXPECT_TRUE(CopyFileReplacing(temp / "source.jpg", copy));
    }
    EXPECT_EQ(ReadFile(document), "new document");
    EXPECT_EQ(ReadFile(copy), "new picture");
    EXPECT_EQ(ListFolder(temp.folder() + ".exhibition*"), std::vector<std::string>{});
}

// Names must reach the system as the UTF-8 they are: a plain narrow path would garble
// them into something else that reads back the same way.
TEST(WindowsFiles, JapaneseNamesReachTheSystemIntact) {
    TempDir temp;
    const std::string folder = temp / "展示";
    ASSERT_TRUE(CreateFolder(folder));
    WriteFile(temp / "写真.jpg", "picture");
    ASSERT_TRUE(CopyFileReplacing(temp / "写真.jpg", folder + "\\写真.jpg"));

    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((LongPath(folder) + L"\\*.jpg").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(std::wstring(found.cFileName), L"\u5199\u771F.jpg");
    EXPECT_EQ(ListFolder(folder + "\\*.jpg"), std::vector<std::string>{folder + "\\写真.jpg"});
}

// A build into a folder deeper than 260 characters, and its listing.
TEST(WindowsFiles, BuildsAndListsBeyondTheOldPathLimit) {
    TempDir temp;
    std::string deep = temp.folder();
    while (deep.size() < 300) {
        deep += "展示フォルダ_" + std::to_string(deep.size()) + "\\";
    }
    ASSERT_TRUE(CreateFolderWithParents(deep));
    WriteFile(temp / "a.tsd", "<TessraFile>\n</TessraFile>\n");
    WriteFile(temp / "a_t.jpg", "x");
    WriteFile(temp / "a_d.png", "x");

    const std::vector<std::string> messages = BuildOneItem(temp, deep);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().rfind("展示用tsdファイルを作成しました", 0), 0u);
    EXPECT_EQ(ReadFile(deep + "00\\a_t.jpg"), "x");
    EXPECT_TRUE(IsRegularFile(deep + "exhibition.tsd"));
    EXPECT_EQ(ListFolder(deep + "00\\*.tsd"), std::vector<std::string>{deep + "00\\a.tsd"});
}

TEST(WindowsCodePage, DefaultsToTheUsersAnsiCodePageAndRefusesOtherNames) {
    {
        const test::ScopedEnv unset("LUMO_ANSI_CODEPAGE", nullptr);
        DWORD codePage = 0;
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT,
                        LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t));
        EXPECT_EQ(LegacyEncodingName(), "CP" + std::to_string(codePage));
    }
    for (const char* name : {"ISO-8859-1", "CP", "CP99999"}) {
        const test::ScopedEnv named("LUMO_ANSI_CODEPAGE", name);
        EXPECT_THROW(DecodeLegacy("abc"), EncodingError) << name;
    }
}

} // namespace
} // namespace lumo
