#include "SimulatedFlashTool.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace simflash {

namespace {

constexpr const char* kWorkFile = "backup.rom";

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

void Log(const std::string& path, const std::vector<std::string>& arguments) {
  if (path.empty()) return;
  std::ofstream out(path, std::ios::binary | std::ios::app);
  for (size_t i = 0; i < arguments.size(); ++i) out << (i ? " " : "") << arguments[i];
  out << "\n";
}

int ExitStatus(const std::string& text) {
  if (text.empty()) return 0;
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

std::string BuiltInImage() {
  std::string image(64 * 1024, '\0');
  image[0] = '\x55';
  image[1] = '\xAA';
  const std::string label = "PYRELIX SIMULATED VBIOS";
  image.replace(4, label.size(), label);
  for (size_t i = 64; i < image.size(); ++i) image[i] = static_cast<char>((i * 7) & 0xFF);
  return image;
}

int Run(const std::vector<std::string>& arguments, const SettingLookup& setting) {
  Log(setting("PYRELIX_NVFLASH_LOG"), arguments);
  const int status = ExitStatus(setting("PYRELIX_NVFLASH_EXIT"));
  const std::string card = setting("PYRELIX_NVFLASH_CARD");
  const std::vector<std::string> options(arguments.begin() + (arguments.empty() ? 0 : 1),
                                         arguments.end());

  if (options == std::vector<std::string>{"--save", kWorkFile}) {
    if (status != 0) return status;
    std::optional<std::string> image = card.empty() ? std::nullopt : ReadFile(card);
    if (!WriteFile(kWorkFile, image ? *image : BuiltInImage())) return 1;
    std::printf("Saving of image completed.\n");
    return 0;
  }
  if (options == std::vector<std::string>{kWorkFile, "-A", "-6"}) {
    const std::optional<std::string> image = ReadFile(kWorkFile);
    if (!image) {
      std::printf("ERROR: cannot open %s\n", kWorkFile);
      return 1;
    }
    if (status != 0) return status;
    if (!card.empty() && !WriteFile(card, *image)) return 1;
    std::printf("Update successful.\n");
    return 0;
  }
  std::printf("simulated flashing tool: unknown command line\n");
  return 2;
}

}  // namespace simflash
