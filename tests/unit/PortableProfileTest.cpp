// The private-profile behaviour suite on our own implementation.
#include "ProfileBehaviour.h"
#include "config/PortableProfile.h"

INSTANTIATE_TEST_SUITE_P(Portable, ProfileBehaviour,
                         ::testing::Values(ProfileSeam{
                             "Portable",
                             [](const std::wstring& directory) -> std::unique_ptr<ProfileAccess> {
                               return std::make_unique<PortableProfileAccess>(directory);
                             }}),
                         ProfileSeamName);
