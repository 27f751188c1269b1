#pragma once

#include "CheckFindings.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace editor {

// File > Check file...: the findings of the document, one a row. Choosing one (double click,
// Enter or Show) reports it, so that the window shows its glowshow and cell; the dialog stays
// open beside the window.
class CheckFileDialog : public QDialog {
    Q_OBJECT

public:
    CheckFileDialog(const TextLookup &text, QWidget *parent = nullptr);

    // Lists `findings`; `glowshowLabels` names the glowshows by index.
    void showFindings(const std::vector<model::Finding> &findings, const QStringList &glowshowLabels);

    const std::vector<model::Finding> &findings() const { return mFindings; }

signals:
    void findingChosen(const model::Finding &finding);

private:
    void chooseCurrent();

    TextLookup mText;
    std::vector<model::Finding> mFindings;
    QLabel *mSummary;
    QTreeWidget *mList;
    QPushButton *mShow;
};

} // namespace editor
