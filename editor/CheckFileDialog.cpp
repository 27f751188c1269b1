#include "CheckFileDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace editor {

CheckFileDialog::CheckFileDialog(const TextLookup &text, QWidget *parent)
    : QDialog(parent), mText(text), mSummary(new QLabel), mList(new QTreeWidget)
{
    setObjectName(QStringLiteral("CheckFileDialog"));
    setWindowTitle(mText("CheckTitle"));
    mSummary->setObjectName(QStringLiteral("CheckSummary"));
    mList->setObjectName(QStringLiteral("CheckList"));
    mList->setRootIsDecorated(false);
    mList->setHeaderLabels({mText("CheckColumnKind"), mText("CheckColumnGlowshow"), mText("CheckColumnPlace"),
                            mText("CheckColumnFinding")});
    mList->header()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox;
    mShow = buttons->addButton(mText("CheckShow"), QDialogButtonBox::ActionRole);
    mShow->setObjectName(QStringLiteral("CheckShow"));
    QPushButton *close = buttons->addButton(mText("CheckClose"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CheckClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mShow, &QPushButton::clicked, this, &CheckFileDialog::chooseCurrent);
    connect(mList, &QTreeWidget::itemActivated, this, &CheckFileDialog::chooseCurrent);
    connect(mList, &QTreeWidget::currentItemChanged, this, [this] { mShow->setEnabled(mList->currentItem()); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mSummary);
    layout->addWidget(mList);
    layout->addWidget(buttons);
    resize(640, 320);
}

void CheckFileDialog::showFindings(const std::vector<model::Finding> &findings, const QStringList &glowshowLabels)
{
    mFindings = findings;
    mList->clear();
    int errors = 0;
    for (const model::Finding &f : mFindings) {
        const bool error = f.severity == model::Severity::Error;
        errors += error ? 1 : 0;
        auto *row = new QTreeWidgetItem(mList);
        row->setText(0, mText(error ? "CheckError" : "CheckNote"));
        row->setText(1, glowshowLabels.value(f.glowshow));
        row->setText(2, findingPlace(f, mText));
        row->setText(3, findingText(f, mText));
    }
    const int notes = int(mFindings.size()) - errors;
    mSummary->setText(mFindings.empty() ? mText("CheckClean") : mText("CheckSummary").arg(errors).arg(notes));
    mList->setCurrentItem(mList->topLevelItem(0));
    mShow->setEnabled(!mFindings.empty());
    for (int column = 0; column < mList->columnCount() - 1; ++column)
        mList->resizeColumnToContents(column);
}

void CheckFileDialog::chooseCurrent()
{
    const int row = mList->indexOfTopLevelItem(mList->currentItem());
    // The list and the findings are filled together; a stale row names nothing.
    if (row >= 0 && std::size_t(row) < mFindings.size())
        emit findingChosen(mFindings[std::size_t(row)]);
}

} // namespace editor
