// The help page's text held to its layout rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/HyperLinkState.h"
#include "info/HelpText.h"

namespace {
std::vector<std::wstring> LinesOf(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));  // after the last line feed
  return lines;
}
}  // namespace

TEST(HelpText, FollowsItsLayoutRules) {
  const std::wstring text = HelpText();
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), L"\n\n");  // ends with an empty line
  EXPECT_EQ(text.find(L'\r'), std::wstring::npos);

  const std::vector<std::wstring> lines = LinesOf(text);
  ASSERT_EQ(lines.size(), 28u);  // 26 lines, the empty line, and nothing after its line feed
  EXPECT_EQ(lines[26], L"");
  EXPECT_EQ(lines[27], L"");

  const std::vector<int> blank = {2, 7, 14, 19, 23};
  for (int number = 1; number <= 26; ++number) {
    const std::wstring& line = lines[size_t(number - 1)];
    const size_t indent = line.find_first_not_of(L' ');
    const bool isBlank = std::find(blank.begin(), blank.end(), number) != blank.end();
    if (isBlank) {
      EXPECT_EQ(line, L"    ") << number;
      continue;
    }
    const size_t expectedIndent = number == 1 ? 0 : number == 22 ? 3 : 4;
    EXPECT_EQ(indent, expectedIndent) << number;
    // Only line 20 keeps a space at its end.
    EXPECT_EQ(line.back() == L' ', number == 20) << number;
  }

  EXPECT_EQ(lines[0], L"How to Use Pyrelix:");
  EXPECT_EQ(lines[2], L"    1. How to overclock ?");
  EXPECT_EQ(lines[14], L"    2. How to control the fan speed?");
  EXPECT_EQ(lines[19],
            L"    3. For more information on how to overclock your graphics card, we suggest "
            L"searching online as ");
  EXPECT_EQ(lines[21],
            L"   Search based on your specific model of graphics card or just overclocking "
            L"graphics cards in general.");
  EXPECT_EQ(lines[25],
            L"    applying a change for stability checking using various available graphics card "
            L"benchmark utilities.");
}

// The link must take the address the page shows, or it would show and open nothing.
TEST(HelpText, TheMakerAddressFitsTheLink) {
  HyperLinkState link;
  EXPECT_TRUE(link.SetLink(kMakerWebAddress, kMakerWebAddress));
  EXPECT_EQ(link.ShownText(L""), kMakerWebAddress);
}
