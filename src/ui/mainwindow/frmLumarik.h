// The main window: the one window of the program, from which every dialog opens.
#pragma once

#include <QWidget>

#include "ui/shell/AppContext.h"

class QPushButton;

namespace lumarik {

class frmLumarik : public QWidget {
    Q_OBJECT

public:
    explicit frmLumarik(const AppContext& context, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();

    const AppContext& m_context;
    QPushButton* m_comEnd = nullptr;
};

}  // namespace lumarik
