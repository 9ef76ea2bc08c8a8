#pragma once
// The import of the tax-office classifier "soun1.dbf", opened from the
// tax-office pick list when the user's office is missing. It rebuilds the
// directory, which the program reads at its next start.
#include <QDialog>
#include <QMessageBox>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QUrl;

namespace velmar {

// What the dialog asks of the desktop; tests pass their own.
struct TLoadSounServices {
    // A file dialog starting in `folder`; the chosen path, empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder, const QString& filter)> chooseFile;
    std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& text)> showMessage;
    // False when the page could not be handed to a browser.
    std::function<bool(const QUrl& url)> openUrl;
    // The help file's path, empty when there is none, and how to show it.
    std::function<QString()> helpFile;
    std::function<bool(const QString& path)> openHelp;
};

// The services of the desktop: Qt's file dialog and message boxes, the
// default browser and the help viewer.
TLoadSounServices DesktopLoadSounServices();

class TfmLoadSoun : public QDialog {
    Q_OBJECT
public:
    // The import writes the directory to `target` (where start-up reads it
    // first); the file dialog starts in `startFolder`.
    TfmLoadSoun(QWidget* parent, std::filesystem::path target, QString startFolder,
                TLoadSounServices services = DesktopLoadSounServices());

    QLabel* Label(int number) const { return labels_.at(static_cast<std::size_t>(number - 1)); }
    QLineEdit* edSoun1() const { return edSoun1_; }
    QPushButton* Button4() const { return button4_; }
    QPushButton* Button1() const { return button1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }

    void Button4Click();
    void Button1Click();
    // The two labels that act as links.
    void HelpLinkClick();
    void DownloadLinkClick();

private:
    std::filesystem::path target_;
    QString startFolder_;
    TLoadSounServices services_;
    std::array<QLabel*, 11> labels_{};
    QLineEdit* edSoun1_ = nullptr;
    QPushButton* button4_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
};

} // namespace velmar
