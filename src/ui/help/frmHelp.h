// The help window: text pages on the key parameters, the sliders, the advanced options, the
// notes and what is new, and picture pages drawn by the program itself; and the once-per-user
// rule for the page of new features.
#pragma once

#include <QDialog>

class QSettings;
class QTabWidget;

namespace lumarik {

class frmHelp : public QDialog {
    Q_OBJECT

public:
    explicit frmHelp(QWidget* parent = nullptr);

    // Opens the window modally over `parent` without blocking, on page `startPage`; it deletes
    // itself when closed. The pages are in help-topic order (HelpTopic in core/help/HelpTexts.h),
    // so a topic number is its page; the picture pages fill the numbers in between.
    static frmHelp* Display(QWidget* parent, int startPage);

    // Turns to the page; a number without a page turns to page 0.
    void ShowPage(int page);
    int CurrentPage() const;
    int PageCount() const;

private:
    QTabWidget* m_tabSymbols = nullptr;
};

// The page of new features is shown once per user: while the flag NewFeature/V22 of the
// per-user store is not set. The caller marks it before it shows the page, so that a crash
// while the page is open does not show it again on every start. Marking returns false when
// the store could not be written.
bool ShouldShowNewFeatures(const QSettings& store);
bool MarkNewFeaturesShown(QSettings& store);
// The same on the program's per-user store (organisation and application "Lumarik").
bool ShouldShowNewFeatures();
bool MarkNewFeaturesShown();

}  // namespace lumarik
