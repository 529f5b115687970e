#pragma once

#include "platform/ui/HelpDocument.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace talvo {

// The two commands of the help call that the program uses.
constexpr int HELP_CONTENTS = 3;     // the contents page
constexpr int HELP_PARTIALKEY = 261; // the keyword search, with Data typed in

// Opens the help viewer over HelpFile (one viewer, reused, owned by Owner). Returns false, with a description
// for the user in *ErrorDescription, when the file cannot be read or the command is not one of the two above.
bool ShowHelp(QWidget* Owner, const QString& HelpFile, int Command, const QString& Data, QString* ErrorDescription);

// The viewer window now open, or nullptr.
class HelpViewer;
HelpViewer* CurrentHelpViewer();

// A help window: a contents list and a keyword index on the left, the topic on the right.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    HelpViewer(HelpDocument document, const QString& path, QWidget* owner);

    const QString& Path() const { return path_; }
    const HelpDocument& Document() const { return document_; }

    void ShowContents();
    // Opens the index with the text typed into its box and the first matching keyword selected.
    void ShowSearch(const QString& typed);
    void ShowTopic(int index);
    // Shows the topic of the selected keyword, or the list of topics when several carry it.
    void DisplayKeyword(const QString& keyword);

    // The page shown now, as plain text (for tests and screen readers alike).
    QString PageText() const;
    bool SearchShown() const;
    QString SelectedKeyword() const;

protected:
    // Esc closes the viewer, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followLink(const QUrl& url);
    void keywordTyped(const QString& text);
    void displaySelected();

    HelpDocument document_;
    QString path_;
    QTabWidget* tabs_ = nullptr;
    QListWidget* contents_ = nullptr;
    QLineEdit* keywordBox_ = nullptr;
    QListWidget* keywords_ = nullptr;
    QTextBrowser* page_ = nullptr;
};

} // namespace talvo
