#include "core/MessageBox.h"

#include <gtest/gtest.h>

#include <optional>

namespace zentaro::core {
namespace {

using B = MsgButton;

// A modal result as the number it is stored and compared as.
int Number(ModalResult result) {
  return static_cast<int>(result);
}

struct ResolveCase {
  unsigned bits;
  MsgButtonSet expected;
};

class ResolveButtonsTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveButtonsTest, ShowsExpectedButtons) {
  EXPECT_EQ(ResolveButtons(GetParam().bits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(MessageBox, ResolveButtonsTest,
                         ::testing::Values(ResolveCase{4, {{B::Ok}, 1}},
                                           ResolveCase{4 | 8, {{B::Ok, B::Cancel}, 2}},
                                           ResolveCase{1, {{B::Yes, B::No}, 2}},
                                           ResolveCase{1 | 8, {{B::Yes, B::No, B::Cancel}, 3}},
                                           // Yes/No outranks OK.
                                           ResolveCase{1 | 4, {{B::Yes, B::No}, 2}},
                                           ResolveCase{1 | 4 | 8, {{B::Yes, B::No, B::Cancel}, 3}},
                                           // Without either main bit the box still has a way out.
                                           ResolveCase{0, {{B::Ok}, 1}},
                                           ResolveCase{8, {{B::Ok, B::Cancel}, 2}}));

TEST(MessageBox, KindsHaveTitleAndIcon) {
  EXPECT_EQ(MsgTitle(MsgKind::Warning), "Warning");
  EXPECT_EQ(MsgTitle(MsgKind::Error), "Error");
  EXPECT_EQ(MsgTitle(MsgKind::Information), "Information");
  EXPECT_EQ(MsgTitle(MsgKind::Confirmation), "Confirmation");
  EXPECT_EQ(MsgIconOf(MsgKind::Warning), MsgIcon::Exclamation);
  EXPECT_EQ(MsgIconOf(MsgKind::Error), MsgIcon::Stop);
  EXPECT_EQ(MsgIconOf(MsgKind::Information), MsgIcon::Information);
  EXPECT_EQ(MsgIconOf(MsgKind::Confirmation), MsgIcon::Question);
  EXPECT_EQ(static_cast<int>(MsgKind::Confirmation), 3);
}

TEST(MessageBox, PressedButtonGivesModalResult) {
  EXPECT_EQ(Number(MsgResult(B::Ok)), 1);
  EXPECT_EQ(Number(MsgResult(B::Cancel)), 2);
  EXPECT_EQ(Number(MsgResult(B::Yes)), 6);
  EXPECT_EQ(Number(MsgResult(B::No)), 7);
}

TEST(MessageBox, ClosingYesNoCancelBoxGivesCancel) {
  EXPECT_EQ(Number(MsgResult(ResolveButtons(1 | 8), std::nullopt)), 2);
}

TEST(MessageBox, ClosingYesNoBoxGivesCancelNotNo) {
  EXPECT_EQ(Number(MsgResult(ResolveButtons(1), std::nullopt)), 2);
}

TEST(MessageBox, ButtonNotShownCountsAsClosing) {
  EXPECT_EQ(Number(MsgResult(ResolveButtons(4), B::Yes)), 2);
  EXPECT_EQ(Number(MsgResult(ResolveButtons(1), B::Ok)), 2);
  EXPECT_EQ(Number(MsgResult(ResolveButtons(1 | 8), B::No)), 7);
}

}  // namespace
}  // namespace zentaro::core
