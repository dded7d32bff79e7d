// The configuration file's number formats: any text converts without fault, and every value
// survives a round trip through its decimal text.
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "config/DecimalText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  }
  const int32_t value = DecimalValue(text);
  FUZZ_CHECK(DecimalValue(DecimalText(value)) == value);

  FuzzInput input(data, size);
  const int32_t any = static_cast<int32_t>(input.Word());
  FUZZ_CHECK(DecimalValue(DecimalText(any)) == any);
  FUZZ_CHECK(HexText4(any).size() >= 4);
  return 0;
}
