// The wavelength picker: laser lines, glass-catalogue lines and the user's own wavelengths on
// three tabs. A click or Enter on a row hands its wavelength back and closes the picker; each
// grid remembers its last picked row in the per-user store.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "core/beam/WaveNames.h"
#include "ui/shell/AppContext.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace lumarik {

class popEditParamWave : public QDialog {
    Q_OBJECT

public:
    explicit popEditParamWave(const AppContext& context, QWidget* parent = nullptr);

    // Opens the picker window-modally over `parent` without blocking; it deletes itself when
    // closed. `picked` receives the wavelength in nm of the picked row, once; it is not called
    // on Cancel, Escape or the close box.
    static popEditParamWave* Display(QWidget* parent, const AppContext& context,
                                     std::function<void(double nm)> picked);

    // The picked wavelength in nm, rounded to 0.0001 nm (the lists hold single-precision
    // numbers, so 632.8 would otherwise come back as 632.7999878); nothing before a row is
    // picked, after Cancel and while the picker is open again.
    std::optional<double> PickedWavelength() const { return m_picked; }

    QTableWidget* Grid(WaveGrid grid) const { return m_grids[Index(grid)]; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t Index(WaveGrid grid) { return static_cast<std::size_t>(grid); }
    // Reads the lists afresh, fills the grids, goes to the remembered rows and clears the
    // picked entry: every opening starts from the files and the store as they are now.
    void Load();
    void FillGrid(WaveGrid grid);
    // Sizes the dialog so that the widest built-in grid shows all its columns.
    void FitToGrids();
    void Pick(WaveGrid grid, int row);

    const AppContext& m_context;
    std::array<WaveLineList, 3> m_lines;
    bool m_userLoaded = false;
    std::optional<double> m_picked;

    QLabel* m_lblWave = nullptr;
    QTabWidget* m_tabWaveSel = nullptr;
    // ssWavesLaser, ssWavesFraun, ssWavesCustom, in WaveGrid order.
    std::array<QTableWidget*, 3> m_grids{};
    QPushButton* m_comCancel = nullptr;
};

}  // namespace lumarik
