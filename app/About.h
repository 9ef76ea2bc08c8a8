#pragma once
// "О программе": the program's picture, name, version and purpose.
#include <QDialog>

namespace velmar {

class TfmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfmAbout(QWidget* parent = nullptr);
};

} // namespace velmar
