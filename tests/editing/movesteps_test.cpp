// How far one press goes, by what it changes, the mode and the keys.
#include "editing/controlids.h"
#include "editing/movesteps.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(MoveStepsTest, StepTable)
{
    struct Case {
        StepKind kind;
        bool textMode;
        // plain, "Macro", Alt, Shift, Shift with Alt, Shift with "Macro"
        double steps[6];
    };
    const Case cases[] = {
        {StepKind::MoveAcross, true, {0.01, 0.1, 0.1, 0.001, 0.1, 0.1}},
        {StepKind::MoveAcross, false, {0.01, 0.1, 0.1, 0.001, 0.1, 0.1}},
        {StepKind::MoveUpDown, true, {0.1, 1.0, 1.0, 0.1, 1.0, 1.0}},
        {StepKind::MoveUpDown, false, {0.1, 1.0, 1.0, 0.01, 1.0, 1.0}},
        {StepKind::SizeUpDown, true, {0.1, 1.0, 1.0, 0.1, 1.0, 1.0}},
        {StepKind::SizeUpDown, false, {0.1, 1.0, 1.0, 0.01, 1.0, 1.0}},
        {StepKind::SizeAcross, false, {0.01, 0.1, 0.1, 0.001, 0.1, 0.1}},
        {StepKind::LineSpacing, true, {0.1, 0.1, 0.01, 0.1, 0.01, 0.1}},
        {StepKind::PriceSpacing, true, {0.2, 0.2, 0.2, 0.2, 0.2, 0.2}},
    };
    const StepKeys keys[6] = {{}, {true, false, false}, {false, true, false},
                              {false, false, true}, {false, true, true}, {true, false, true}};
    for (const Case &c : cases) {
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << (c.textMode ? " text" : " box")
                                            << " keys " << k);
            EXPECT_DOUBLE_EQ(StepSize(c.kind, c.textMode, keys[k]), c.steps[k]);
        }
    }
}

TEST(MoveStepsTest, ArrowTooltipsNameCtrlBesideAlt)
{
    for (int id : {ctl::MoveUp, ctl::MoveLeft, ctl::SizeRight, ctl::SizeDown}) {
        EXPECT_TRUE(StepKeysHint(id).contains(QStringLiteral("Shift"))) << id;
        EXPECT_TRUE(StepKeysHint(id).contains(QStringLiteral("Alt or Ctrl"))) << id;
    }
    EXPECT_EQ(StepKeysHint(ctl::LineSpacingUp), QStringLiteral("Alt or Ctrl: finer steps."));
    EXPECT_TRUE(StepKeysHint(ctl::TabSpacingUp).isEmpty()) << "tab spacing knows no keys";
    EXPECT_TRUE(StepKeysHint(ctl::Exit).isEmpty());
}

} // namespace
} // namespace zorvan
