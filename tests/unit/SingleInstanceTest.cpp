#include <gtest/gtest.h>

#include <vector>

#include "app/SingleInstance.h"

namespace {

struct RecordingSink : MessageSink {
  explicit RecordingSink(int answer) : answer(answer) {}
  int ShowMessage(const std::wstring& text) override {
    shown.push_back(text);
    return answer;
  }
  int answer;
  std::vector<std::wstring> shown;
};

}  // namespace

TEST(SingleInstance, DecisionForEachMutexOutcome) {
  struct Case {
    InstanceMutex mutex;
    int answer;
    bool goesOn;
    const wchar_t* shown;  // null: nothing shown
  };
  const wchar_t* question = L"One of the program routine is already  running! Will you continue?";
  const Case cases[] = {
      {InstanceMutex::kCreated, MessageSink::kCancel, true, nullptr},
      {InstanceMutex::kAlreadyExists, MessageSink::kOk, true, question},
      {InstanceMutex::kAlreadyExists, MessageSink::kCancel, false, question},
      {InstanceMutex::kAlreadyExists, -1, false, question},  // box could not be shown
      {InstanceMutex::kFailed, MessageSink::kOk, false, L"Initialize Mutex  failed!"},
  };
  for (const Case& c : cases) {
    RecordingSink sink(c.answer);
    EXPECT_EQ(ContinueStartup(c.mutex, sink), c.goesOn);
    if (c.shown == nullptr) {
      EXPECT_TRUE(sink.shown.empty());
    } else {
      EXPECT_EQ(sink.shown, std::vector<std::wstring>{c.shown});
    }
  }
}
