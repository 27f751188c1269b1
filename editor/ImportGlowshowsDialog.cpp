#include "ImportGlowshowsDialog.h"

#include "model/GlowshowImport.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace editor {

ImportGlowshowsDialog::ImportGlowshowsDialog(const model::TDocument &target, std::vector<model::TGlowshow> glowshows,
                                             LabelOf labelOf, Text text, QWidget *parent)
    : QDialog(parent), mTarget(target), mGlowshows(std::move(glowshows)), mLabelOf(std::move(labelOf)),
      mText(std::move(text)), mList(new QListWidget(this)), mNote(new QLabel(this)),
      mButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName("ImportGlowshowsDialog");
    mList->setObjectName("ImportGlowshowsList");
    mNote->setObjectName("ImportGlowshowsNote");
    mButtons->setObjectName("ImportGlowshowsButtons");
    setWindowTitle(mText("ImportGlowshowsTitle"));
    mNote->setWordWrap(true);
    for (std::size_t i = 0; i < mGlowshows.size(); ++i) {
        auto *item = new QListWidgetItem(mList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mList);
    layout->addWidget(mNote);
    layout->addWidget(mButtons);
    connect(mList, &QListWidget::itemChanged, this, &ImportGlowshowsDialog::refresh);
    connect(mButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(mButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

std::vector<std::size_t> ImportGlowshowsDialog::ticked() const
{
    std::vector<std::size_t> rows;
    for (int row = 0; row < mList->count(); ++row)
        if (mList->item(row)->checkState() == Qt::Checked)
            rows.push_back(std::size_t(row));
    return rows;
}

std::vector<model::TGlowshow> ImportGlowshowsDialog::chosen() const
{
    std::vector<model::TGlowshow> glowshows;
    for (const std::size_t row : ticked())
        glowshows.push_back(mGlowshows[row]);
    model::assignFreeIds(mTarget, glowshows);
    return glowshows;
}

void ImportGlowshowsDialog::refresh()
{
    const std::vector<std::size_t> rows = ticked();
    std::vector<model::TGlowshow> glowshows;
    for (const std::size_t row : rows)
        glowshows.push_back(mGlowshows[row]);
    const std::vector<model::IdChange> changes = model::assignFreeIds(mTarget, glowshows);
    // Setting an item's text is a change of the item too.
    const QSignalBlocker block(mList);
    for (int row = 0; row < mList->count(); ++row)
        mList->item(row)->setText(mLabelOf(mGlowshows[std::size_t(row)]));
    for (const model::IdChange &change : changes) {
        QListWidgetItem *item = mList->item(int(rows[change.glowshow]));
        item->setText(mText("ImportNewId").arg(item->text(), mLabelOf(glowshows[change.glowshow])));
    }
    const bool fits = model::glowshowsFit(mTarget, rows.size());
    mNote->setText(fits ? QString()
                        : mText("ImportTooManyGlowshows").arg(model::MaxCount - int(mTarget.Glowshows.size())));
    mNote->setVisible(!fits);
    mButtons->button(QDialogButtonBox::Ok)->setEnabled(fits && !rows.empty());
}

} // namespace editor
