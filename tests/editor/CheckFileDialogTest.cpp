#include "editor/CheckFileDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QString english(std::string_view key)
{
    const std::map<std::string_view, QString> texts = {{"CheckClean", "clean"},
                                                       {"CheckSummary", "%1 errors, %2 notes"},
                                                       {"CheckError", "E"},
                                                       {"CheckNote", "N"},
                                                       {"CheckFrame", "frame %1"},
                                                       {"CheckChannel", "channel %1"},
                                                       {"CheckNoFrames", "no frames"},
                                                       {"CheckBandReversed", "band %1 < %2"}};
    const auto it = texts.find(key);
    return it == texts.end() ? QString() : it->second;
}

} // namespace

TEST(CheckFileDialog, ListsTheFindingsAndReportsTheChosenOne)
{
    editor::CheckFileDialog dialog(english);
    const model::Finding noFrames{model::Problem::NoFrames, model::Severity::Note, 0, -1, -1, 0, 0, 0};
    const model::Finding band{model::Problem::BandReversed, model::Severity::Error, 1, -1, 2, 3, 9, 10};
    dialog.showFindings({noFrames, band}, {"(01) one", "(02) two"});
    dialog.show();

    auto *list = dialog.findChild<QTreeWidget *>("CheckList");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    const QTreeWidgetItem *row = list->topLevelItem(1);
    EXPECT_EQ(QStringList({row->text(0), row->text(1), row->text(2), row->text(3)}),
              QStringList({"E", "(02) two", "channel 3", "band 9 < 10"}));
    EXPECT_EQ(dialog.findChild<QLabel *>("CheckSummary")->text(), "1 errors, 1 notes");

    QSignalSpy chosen(&dialog, &editor::CheckFileDialog::findingChosen);
    list->setCurrentItem(list->topLevelItem(1));
    QTest::mouseClick(dialog.findChild<QPushButton *>("CheckShow"), Qt::LeftButton);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].value<model::Finding>(), band);

    dialog.showFindings({}, {});
    EXPECT_EQ(dialog.findChild<QLabel *>("CheckSummary")->text(), "clean");
    EXPECT_FALSE(dialog.findChild<QPushButton *>("CheckShow")->isEnabled());
}
