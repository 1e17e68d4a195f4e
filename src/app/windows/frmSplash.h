#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

namespace verbolario {

class Contesto;
class ImmagineSplash;

// The start-up splash while the dictionary loads (its "Exit" ends the program there), and
// later the about box: product, version, the platform it runs on, the user it runs for, a credit
// line, the help (picture or F1) and a mail link to the author (the logo). Any other key and
// "Exit" close it.
class frmSplash final : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(Contesto& ctx, QWidget* parent = nullptr);

    static constexpr const char* kVersione = "2.0";
    static constexpr const char* kIndirizzo = "autore@verbolario.it";
    // " per " and the system actually running (" per Linux" here).
    static QString didascaliaPiattaforma();
    static QUrl indirizzoMail();

    // Opens an address; replaceable so that tests need no mail program.
    std::function<bool(const QUrl&)> apriUrl;
    // Set when the user asked for the help: whoever showed the box opens it.
    bool aiutoChiesto() const { return aiuto_; }
    // Set when the mail program was started: the main window gets out of its way.
    bool mailAperta() const { return mail_; }
    // Set when "Exit" was pressed during start-up: the program ends without its main window.
    bool uscitaChiesta() const { return uscita_; }

    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblUtente = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    ImmagineSplash* imgLogo = nullptr;
    ImmagineSplash* ImgHelp = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void costruisci();
    void Command1_Click();
    void imgLogo_Click();
    void ImgHelp_Click();
    void togliBordi();

    Contesto& ctx_;
    bool aiuto_ = false;
    bool mail_ = false;
    bool uscita_ = false;
};

} // namespace verbolario
