#pragma once

#include <QDialog>
#include <QVector>

class QLabel;
class PictureButton;

// The program's own message box: light violet, bold rounded font, picture buttons. It sizes
// itself to the message and breaks a long one-line message into several lines.
class TsMsgBox : public QDialog {
    Q_OBJECT
public:
    // Result codes.
    static constexpr int OK = 1, Cancel = 2, Yes = 6, No = 7;

    // Shows the box modally; returns the code of the button chosen. Buttons: low four bits
    // 0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No. An empty caption shows text 2001.
    static int Display(const QString& msg, int Buttons, const QString& DesiredCaption);

    // Lays the box out without showing it.
    TsMsgBox(const QString& msg, int Buttons, const QString& DesiredCaption,
             QWidget* parent = nullptr);

    // Breaks a message into `lines` lines at the blanks nearest after equal fractions of its
    // length; the message unchanged and ok false when a break finds no blank.
    static QString BreakIntoLines(const QString& message, int lines, bool* ok);

    // The message as shown (possibly broken), with CR LF line breaks.
    QString shownMessage() const { return message; }
    int result() const { return answer; }
    QVector<PictureButton*> visibleButtons() const;
    QLabel* messageLabel() const { return label; }
    // Width of the button row in twips for the button set.
    int minimumButtonRowTwips() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct ButtonRole {
        int cell;
        int result;
    };

    void choose(int result);
    void layOut();

    QString message;
    int buttonSet;
    int answer = 0;
    bool answered = false;
    QLabel* label;
    QVector<PictureButton*> buttons;
    QVector<ButtonRole> roles;
};
