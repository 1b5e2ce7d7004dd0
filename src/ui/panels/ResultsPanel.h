// The results: the listing of the solved system (lens/mirror or beam) as a list of names beside
// a list of values, with the labels for a system without solution and for virtual objects and
// images; the lists copy to the clipboard and save as CSV from their context menu.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace lumarik {

class DocumentHub;
class ContentMeasure;
struct AppContext;

class ResultsPanel : public QWidget {
    Q_OBJECT

public:
    ResultsPanel(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);

    void RevealForMeasure(ContentMeasure& measure);
    QListWidget* Names() const { return m_lstResNames; }
    QListWidget* Values() const { return m_lstResVals; }

private:
    void Refresh(unsigned changes);
    void ShowLensResults();
    void ShowBeamResults();

    DocumentHub& m_hub;
    QListWidget* m_lstResNames = nullptr;
    QListWidget* m_lstResVals = nullptr;
    QLabel* m_lblVirtualImage = nullptr;
    QLabel* m_lblInvalidCalcs = nullptr;
};

// The context menu (and Ctrl+C) of a name list and its value list: copy every result list of the
// document (listing, depth of field, wavelength) to the clipboard or save them as CSV, in the
// user's regional format with all the digits of each value.
void OfferResultsExport(QListWidget* names, QListWidget* values, const DocumentHub& hub,
                        const AppContext& context);

// A label shown with its caption and background colour, or hidden.
void ShowLabel(QLabel* label, bool visible, std::string_view caption, std::uint32_t rgb);

}  // namespace lumarik
