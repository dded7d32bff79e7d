// The behaviour every private-profile seam must show, run natively against our own
// implementation and under Wine against the Windows functions, so that the two cannot drift.
// A test program instantiates ProfileBehaviour with the seams it has.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "config/ProfileAccess.h"

struct ProfileSeam {
  const char* name;
  std::function<std::unique_ptr<ProfileAccess>(const std::wstring& directory)> make;
};

inline std::ostream& operator<<(std::ostream& out, const ProfileSeam& seam) {
  return out << seam.name;
}

// A fresh directory per test, its files reached by Windows-style paths ("dir\\name").
class ProfileBehaviour : public ::testing::TestWithParam<ProfileSeam> {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::wstring PathOf(const std::wstring& name) const { return directory_ + L"\\" + name; }
  const ProfileAccess& access() const { return *access_; }

  std::wstring directory_;
  std::unique_ptr<ProfileAccess> access_;
};

// Byte-level helpers on Windows-style paths, for fixtures and checks.
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
// A new directory for one test, removed with RemoveTree.
std::wstring MakeScratchDirectory(const std::wstring& under = std::wstring());
bool MakeDirectory(const std::wstring& path);
void RemoveTree(const std::wstring& path);

// Instantiate with: INSTANTIATE_TEST_SUITE_P(Name, ProfileBehaviour, ::testing::Values(seam),
//                                            ProfileSeamName);
std::string ProfileSeamName(const ::testing::TestParamInfo<ProfileSeam>& info);
