// The pending text line: each line reaches the record loop's queue once, in order.
#include <gtest/gtest.h>

#include "core/process_state.h"
#include "recording/pending_text_line.h"

namespace {

class PendingTextLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    processState().pendingLines.clear();
    pending.clear();
  }
  std::vector<std::string> queued() { return processState().pendingLines.takeAll(); }
  PendingTextLine pending;
};

TEST_F(PendingTextLineTest, KeystrokesQueueNothingAndTheCommitQueuesItsLineOnce) {
  pending.keep("setText[value:,:J]");
  pending.keep("setText[value:,:Ja]");
  EXPECT_TRUE(queued().empty());
  pending.commit("setText[value:,:Jane]");
  pending.leave();  // focus leaves right after the commit
  EXPECT_EQ(std::vector<std::string>{"setText[value:,:Jane]"}, queued());
}

TEST_F(PendingTextLineTest, LeavingHandsOverThePendingLineOnceAndOnlyFromTwoCharacters) {
  pending.keep("x");
  pending.leave();
  EXPECT_TRUE(queued().empty());
  pending.keep("setText[value:,:Jo]");
  pending.leave();
  pending.leave();
  EXPECT_EQ(std::vector<std::string>{"setText[value:,:Jo]"}, queued());
}

TEST_F(PendingTextLineTest, AFlushedLineIsNotRecordedAgainByTheCommitThatFollows) {
  pending.keep("setText[value:,:Jane]");
  pending.flush();
  pending.commit("setText[value:,:Jane]");
  pending.leave();
  // The next field's commit records again.
  pending.keep("setText[value:,:1]");
  pending.commit("setText[value:,:12]");
  EXPECT_EQ((std::vector<std::string>{"setText[value:,:Jane]", "setText[value:,:12]"}), queued());
}


TEST_F(PendingTextLineTest, AFlushSuppressesOnlyTheCommitOfTheLineItFlushed) {
  // Typing goes on after the flush: the commit of the longer text still records.
  pending.keep("setText[value:,:Jane]");
  pending.flush();
  pending.keep("setText[value:,:Janet]");
  pending.commit("setText[value:,:Janet]");
  // A flush whose field is left without a commit does not silence the next field.
  pending.keep("setText[name:,:a:;:value:,:xy]");
  pending.flush();
  pending.leave();
  pending.keep("setText[name:,:b:;:value:,:zz]");
  pending.commit("setText[name:,:b:;:value:,:zz]");
  EXPECT_EQ((std::vector<std::string>{"setText[value:,:Jane]", "setText[value:,:Janet]",
                                      "setText[name:,:a:;:value:,:xy]", "setText[name:,:b:;:value:,:zz]"}),
            queued());
}

}  // namespace
