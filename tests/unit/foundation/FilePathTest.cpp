// CFilePath as text: splitting, composing, editing component by component,
// and what happens to paths beyond the limits.
#include "CFilePath.h"

#include <gtest/gtest.h>

namespace
{

bool IsCp932LeadByte(BYTE ch)
{
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

struct SplitCase
{
    const char* pszPath;
    const char* pszDrive;
    const char* pszDirectory;
    const char* pszFileTitle;
    const char* pszExtension;
    const char* pszDriveAndDirectory;
    const char* pszFileName;
    const char* pszMade;  // Make of the four components
};

const SplitCase g_aSplitCases[] = {
    {"D:\\WINDOWS\\", "D", "\\WINDOWS", "", "", "D:\\WINDOWS", "", "D:\\WINDOWS\\"},
    {"C:\\", "C", "\\", "", "", "C:\\", "", "C:\\"},
    {"C:\\A.B\\FILE", "C", "\\A.B", "FILE", "", "C:\\A.B", "FILE", "C:\\A.B\\FILE"},
    {"\\\\SERVER\\SHARE\\F.TXT", "", "\\\\SERVER\\SHARE", "F", "TXT", "", "F.TXT", "\\\\SERVER\\SHARE\\F.TXT"},
    {"C:\\A\\B\\F.TXT", "C", "\\A\\B", "F", "TXT", "C:\\A\\B", "F.TXT", "C:\\A\\B\\F.TXT"},
    {"C:\\F.TXT", "C", "\\", "F", "TXT", "C:\\", "F.TXT", "C:\\F.TXT"},
    {"C:F.TXT", "C", "", "F", "TXT", "C:", "F.TXT", "C:F.TXT"},
    {"F.TXT", "", "", "F", "TXT", "", "F.TXT", "F.TXT"},
    {"A.B.C", "", "", "A.B", "C", "", "A.B.C", "A.B.C"},
    {"\\DIR\\.PROFILE", "", "\\DIR", "", "PROFILE", "", ".PROFILE", "\\DIR\\.PROFILE"},
    {"C:\\A\\B.", "C", "\\A", "B", "", "C:\\A", "B", "C:\\A\\B"},
    {"C:/A/B.C", "C", "/A/", "B", "C", "C:/A/", "B.C", "C:/A/B.C"},
    {"", "", "", "", "", "", "", ""},
};

TEST(FilePath, SplitsIntoComponentsAndMakesThemBack)
{
    for (const SplitCase& splitCase : g_aSplitCases)
    {
        SCOPED_TRACE(splitCase.pszPath);
        const CFilePath path(splitCase.pszPath);
        CString strDrive, strDirectory, strFileTitle, strExtension;
        EXPECT_TRUE(path.Split(&strDrive, &strDirectory, &strFileTitle, &strExtension));
        EXPECT_STREQ(splitCase.pszDrive, strDrive);
        EXPECT_STREQ(splitCase.pszDirectory, strDirectory);
        EXPECT_STREQ(splitCase.pszFileTitle, strFileTitle);
        EXPECT_STREQ(splitCase.pszExtension, strExtension);

        CString strText;
        path.GetDrive(strText);
        EXPECT_STREQ(splitCase.pszDrive, strText);
        path.GetDirectory(strText);
        EXPECT_STREQ(splitCase.pszDirectory, strText);
        path.GetFileTitle(strText);
        EXPECT_STREQ(splitCase.pszFileTitle, strText);
        path.GetDriveAndDirectory(strText);
        EXPECT_STREQ(splitCase.pszDriveAndDirectory, strText);
        path.GetFileName(strText);
        EXPECT_STREQ(splitCase.pszFileName, strText);

        CFilePath pathMade;
        EXPECT_TRUE(pathMade.Make(strDrive, strDirectory, strFileTitle, strExtension));
        EXPECT_STREQ(splitCase.pszMade, pathMade.GetPath());
    }
}

TEST(FilePath, MakeAddsOnlyTheMissingSeparators)
{
    CFilePath path;
    EXPECT_TRUE(path.Make("C:", "\\A\\", "F", ".TXT"));
    EXPECT_STREQ("C:\\A\\F.TXT", path.GetPath());
    EXPECT_TRUE(path.Make(nullptr, "A/", "F", nullptr));
    EXPECT_STREQ("A/F", path.GetPath());
}

struct EditCase
{
    const char* pszPath;
    const char* pszEdit;
    void (*pfnEdit)(CFilePath&);
    const char* pszExpected;
};

const EditCase g_aEditCases[] = {
    {"C:\\SETUP.EXE", "SetExtension ini", [](CFilePath& path) { path.SetExtension("ini"); }, "C:\\SETUP.ini"},
    {"C:\\SETUP.EXE", "SetExtension .ini", [](CFilePath& path) { path.SetExtension(".ini"); }, "C:\\SETUP.ini"},
    {"C:\\SETUP.EXE", "SetExtension empty", [](CFilePath& path) { path.SetExtension(""); }, "C:\\SETUP"},
    {"C:\\X\\F.TXT", "SetDirectory WORK", [](CFilePath& path) { path.SetDirectory("WORK"); }, "C:\\WORK\\F.TXT"},
    {"C:\\X\\F.TXT", "SetDirectory empty", [](CFilePath& path) { path.SetDirectory(""); }, "C:\\F.TXT"},
    {"C:\\X\\F.TXT", "SetDirectory \\A\\B\\", [](CFilePath& path) { path.SetDirectory("\\A\\B\\"); },
     "C:\\A\\B\\F.TXT"},
    {"C:\\X\\F.TXT", "SetFullDirectory with a drive",
     [](CFilePath& path) { path.SetFullDirectory("D:\\WINDOWS"); }, "D:\\WINDOWS\\F.TXT"},
    {"C:\\X\\F.TXT", "SetFullDirectory without a drive",
     [](CFilePath& path) { path.SetFullDirectory("\\WORK\\"); }, "\\WORK\\F.TXT"},
    {"C:\\X\\F.TXT", "SetFileName empty", [](CFilePath& path) { path.SetFileName(""); }, "C:\\X\\"},
    {"C:\\X\\F.TXT", "SetFileName A.B", [](CFilePath& path) { path.SetFileName("A.B"); }, "C:\\X\\A.B"},
    {"C:\\X\\F.TXT", "SetFileTitle G", [](CFilePath& path) { path.SetFileTitle("G"); }, "C:\\X\\G.TXT"},
    {"C:\\X\\F.TXT", "SetDrive D", [](CFilePath& path) { path.SetDrive("D"); }, "D:\\X\\F.TXT"},
    {"C:\\X\\F.TXT", "SetDrive empty", [](CFilePath& path) { path.SetDrive(""); }, "\\X\\F.TXT"},
    {"C:\\A\\", "AppendDirectory \\B", [](CFilePath& path) { path.AppendDirectory("\\B"); }, "C:\\A\\B\\"},
    {"C:\\A", "AppendDirectory B", [](CFilePath& path) { path.AppendDirectory("B"); }, "C:\\B\\A"},
    {"C:\\A\\F.TXT", "AppendDirectory B\\C", [](CFilePath& path) { path.AppendDirectory("B\\C"); },
     "C:\\A\\B\\C\\F.TXT"},
    {"C:\\A", "AppendDirectory empty", [](CFilePath& path) { path.AppendDirectory(""); }, "C:\\A"},
    {"F.TXT", "AppendDirectory B", [](CFilePath& path) { path.AppendDirectory("B"); }, "B\\F.TXT"},
    {"C:\\A\\B\\", "RemoveLastDirectory", [](CFilePath& path) { path.RemoveLastDirectory(); }, "C:\\A\\"},
    {"C:\\A\\F.TXT", "RemoveLastDirectory", [](CFilePath& path) { path.RemoveLastDirectory(); }, "C:\\F.TXT"},
    {"C:\\", "RemoveLastDirectory", [](CFilePath& path) { path.RemoveLastDirectory(); }, "C:\\"},
    {"C:\\A\\B\\F.TXT", "SetRootDirectory", [](CFilePath& path) { path.SetRootDirectory(); }, "C:\\"},
    {"C:\\A\\B\\F.TXT", "Clear", [](CFilePath& path) { path.Clear(); }, ""},
    {"C:\\X\\F.TXT", "assign text", [](CFilePath& path) { path = "D:\\Y"; }, "D:\\Y"},
};

TEST(FilePath, EditsChangeOneComponent)
{
    for (const EditCase& editCase : g_aEditCases)
    {
        CFilePath path(editCase.pszPath);
        editCase.pfnEdit(path);
        EXPECT_STREQ(editCase.pszExpected, path.GetPath()) << editCase.pszEdit << " on " << editCase.pszPath;
    }
}

TEST(FilePath, RemoveLastDirectoryNamesWhatItRemoved)
{
    CString strName;
    CFilePath path("C:\\A\\B\\");
    path.RemoveLastDirectory(&strName);
    EXPECT_STREQ("B", strName);
    path.RemoveLastDirectory(&strName);
    EXPECT_STREQ("A", strName);
    path.RemoveLastDirectory(&strName);
    EXPECT_STREQ("\\", strName);
    EXPECT_STREQ("C:\\", path.GetPath());

    strName = "kept";
    CFilePath pathNoDirectory("F.TXT");
    pathNoDirectory.RemoveLastDirectory(&strName);
    EXPECT_STREQ("kept", strName);
}

TEST(FilePath, CopiesAreIndependent)
{
    CFilePath path("C:\\A\\F.TXT");
    CFilePath pathCopy(path);
    pathCopy.SetExtension("BAK");
    const CFilePath& pathSelf = path;
    path = pathSelf;
    EXPECT_STREQ("C:\\A\\F.TXT", path.GetPath());
    path = pathCopy;
    EXPECT_STREQ("C:\\A\\F.BAK", path.GetPath());
}

TEST(FilePath, SplitCutsOverlongComponents)
{
    CString strDirectory, strFileTitle;
    EXPECT_FALSE(CFilePath("C:\\" + CString('d', 300) + "\\F.TXT").Split(nullptr, &strDirectory, &strFileTitle, nullptr));
    EXPECT_EQ("\\" + CString('d', 254), strDirectory);
    EXPECT_STREQ("F", strFileTitle);
    EXPECT_FALSE(CFilePath("C:\\" + CString('t', 256) + ".TXT").Split(nullptr, nullptr, &strFileTitle, nullptr));
    EXPECT_EQ(CString('t', 255), strFileTitle);
}

// Nothing acts on the cut parts: they would name some other file.
TEST(FilePath, OverlongPathIsNeverRebuiltIntoAnotherPath)
{
    for (const CString& strPath : {"C:\\" + CString('d', 300) + "\\F.TXT", "C:\\" + CString('t', 256) + ".TXT"})
    {
        SCOPED_TRACE(strPath.GetLength());
        CFilePath path(strPath);
        CString strText("x");
        path.GetDriveAndDirectory(strText);
        EXPECT_STREQ("", strText);
        path.GetFileName(strText);
        EXPECT_STREQ("", strText);
        path.GetDirectory(strText);
        EXPECT_STREQ("", strText);

        path.SetExtension("BAK");
        EXPECT_STREQ("", path.GetPath());
    }
}

TEST(FilePath, CompositionBeyond259CharactersIsRefused)
{
    const CString strDirectory = "\\" + CString('d', 250) + "\\";  // C: + 252 + title
    CFilePath path;
    EXPECT_TRUE(path.Make("C", strDirectory, "12345", nullptr));
    EXPECT_EQ(CFilePath::MAX_PATH_TEXT, path.GetPath().GetLength());
    EXPECT_FALSE(path.Make("C", strDirectory, "123456", nullptr));
    EXPECT_STREQ("", path.GetPath());

    path = "C:" + strDirectory + "F.TXT";
    path.SetFileTitle("LONGER");
    EXPECT_STREQ("", path.GetPath());
}

TEST(FilePath, SplitStepsOverDoubleByteCharacters)
{
    // "A", a character whose trail byte is '\\', "B.TXT".
    const CFilePath path("C:\\A\x95\\B.TXT");
    CString strDirectory, strFileTitle, strExtension;
    EXPECT_TRUE(path.Split(nullptr, &strDirectory, &strFileTitle, &strExtension, IsCp932LeadByte));
    EXPECT_STREQ("\\", strDirectory);
    EXPECT_STREQ("A\x95\\B", strFileTitle);
    EXPECT_STREQ("TXT", strExtension);

    // Read byte by byte, the trail byte separates.
    EXPECT_TRUE(path.Split(nullptr, &strDirectory, &strFileTitle, nullptr, [](BYTE) { return false; }));
    EXPECT_STREQ("\\A\x95", strDirectory);
    EXPECT_STREQ("B", strFileTitle);

    // A cut component loses a whole character, never half of one.
    const CFilePath pathLong("C:\\" + CString('a', 254) + "\x95\x40" + "z");
    EXPECT_FALSE(pathLong.Split(nullptr, nullptr, &strFileTitle, nullptr, IsCp932LeadByte));
    EXPECT_EQ(CString('a', 254), strFileTitle);
}

}
