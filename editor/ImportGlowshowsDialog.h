#pragma once

#include "model/Document.h"

#include <QDialog>

#include <functional>
#include <string_view>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QListWidget;

namespace editor {

// Lists the glowshows of another file with check boxes, all ticked, labelled as the glowshow
// list labels them; a ticked glowshow whose Id the document already uses says which Id it will
// get. OK is offered while something is ticked and it all fits in the document.
class ImportGlowshowsDialog : public QDialog {
    Q_OBJECT
public:
    using LabelOf = std::function<QString(const model::TGlowshow &)>;
    using Text = std::function<QString(std::string_view)>;

    ImportGlowshowsDialog(const model::TDocument &target, std::vector<model::TGlowshow> glowshows, LabelOf labelOf,
                          Text text, QWidget *parent = nullptr);

    // The ticked glowshows in file order, each Id in use replaced by a free one.
    std::vector<model::TGlowshow> chosen() const;

private:
    void refresh();
    std::vector<std::size_t> ticked() const;

    const model::TDocument &mTarget;
    std::vector<model::TGlowshow> mGlowshows;
    LabelOf mLabelOf;
    Text mText;
    QListWidget *mList;
    QLabel *mNote;
    QDialogButtonBox *mButtons;
};

} // namespace editor
