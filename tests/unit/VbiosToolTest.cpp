// The flashing tool's path and argument lists, the command line the tool receives, the path the
// file functions take, and the dialogs' filter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vbios/CommandLine.h"
#include "vbios/FilePathForApi.h"
#include "vbios/RomFileDialog.h"
#include "vbios/VbiosTool.h"

TEST(VbiosToolPath, PicksTheToolByWow64AndWritesForwardSlashes) {
  EXPECT_EQ(VbiosToolPath(L"C:\\Program Files (x86)\\Pyrelix", true),
            L"C:/Program Files (x86)/Pyrelix/BIOS/nvflash64.exe");
  EXPECT_EQ(VbiosToolPath(L"C:\\Pyrelix", false), L"C:/Pyrelix/BIOS/nvflash32.exe");
  const std::wstring tool64 = *VbiosToolPath(L"D:\\a\\b\\c", true);
  EXPECT_EQ(tool64.find(L'\\'), std::wstring::npos);
}

TEST(VbiosToolPath, IsRefusedPastTheLimitNeverCut) {
  // "\BIOS\nvflash32.exe" is 19 characters.
  const std::wstring fits = L"C:\\" + std::wstring(kVbiosMaxToolPath - 19 - 3, L'x');
  ASSERT_TRUE(VbiosToolPath(fits, false));
  EXPECT_EQ(VbiosToolPath(fits, false)->size(), kVbiosMaxToolPath);
  EXPECT_FALSE(VbiosToolPath(fits + L"y", false));
}

TEST(VbiosArguments, AreTheToolsTwoCommandLines) {
  EXPECT_EQ(VbiosSaveArguments(),
            (std::vector<std::wstring>{L"nvflash.exe", L"--save", L"backup.rom"}));
  EXPECT_EQ(VbiosFlashArguments(),
            (std::vector<std::wstring>{L"nvflash.exe", L"backup.rom", L"-A", L"-6"}));
  EXPECT_EQ(CommandLineOf(VbiosSaveArguments()), L"nvflash.exe --save backup.rom");
  EXPECT_EQ(CommandLineOf(VbiosFlashArguments()), L"nvflash.exe backup.rom -A -6");
}

struct QuoteCase {
  std::vector<std::wstring> arguments;
  const wchar_t* line;
};

class CommandLineQuoting : public testing::TestWithParam<QuoteCase> {};

TEST_P(CommandLineQuoting, GivesTheRuntimeItsArgumentsBack) {
  EXPECT_EQ(CommandLineOf(GetParam().arguments), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineQuoting,
    testing::Values(QuoteCase{{L"a", L"my file.rom"}, L"a \"my file.rom\""},
                    QuoteCase{{L"", L"x"}, L"\"\" x"},
                    QuoteCase{{L"say \"hi\""}, L"\"say \\\"hi\\\"\""},
                    QuoteCase{{L"C:\\dir with space\\"}, L"\"C:\\dir with space\\\\\""},
                    QuoteCase{{L"C:\\plain\\path", L"100%"}, L"C:\\plain\\path 100%"}));

TEST(FilePathForApi, KeepsShortPathsAndPrefixesLongFullPaths) {
  const std::wstring shortPath = L"C:\\bios\\100% ^card.rom";
  EXPECT_EQ(FilePathForApi(shortPath), shortPath);

  const std::wstring deep(300, L'd');
  EXPECT_EQ(FilePathForApi(L"C:\\" + deep + L"/x.rom"), L"\\\\?\\C:\\" + deep + L"\\x.rom");
  EXPECT_EQ(FilePathForApi(L"\\\\server\\share\\" + deep), L"\\\\?\\UNC\\server\\share\\" + deep);
  EXPECT_EQ(FilePathForApi(L"\\\\?\\C:\\" + deep), L"\\\\?\\C:\\" + deep);
}

TEST(FilePathForApi, RefusesLongPathsItCannotPassOnWhole) {
  const std::wstring deep(300, L'd');
  EXPECT_FALSE(FilePathForApi(deep + L"\\relative.rom"));
  EXPECT_FALSE(FilePathForApi(L"C:\\" + deep + L"\\..\\x.rom"));
  EXPECT_FALSE(FilePathForApi(L"C:\\" + deep + L"\\.\\x.rom"));
  EXPECT_FALSE(FilePathForApi(L"\\\\.\\" + deep));
}

TEST(RomFileDialog, FilterBecomesTheSystemsZeroSeparatedList) {
  const RomFileDialogSpec request;
  EXPECT_EQ(request.filter, L"rom file(*.rom)|*.rom|");
  EXPECT_EQ(request.initialName, L"*.rom");
  const std::wstring filter = SystemDialogFilter(request.filter);
  EXPECT_EQ(filter, std::wstring(L"rom file(*.rom)\0*.rom\0", 22));
  // c_str() adds the list's second terminator.
  EXPECT_EQ(filter.c_str()[filter.size()], L'\0');
  EXPECT_EQ(SystemDialogFilter(L"a|b"), std::wstring(L"a\0b\0", 4));
}
