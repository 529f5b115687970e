#include "platform/ui/HelpViewer.h"

#include "platform/ui/WindowPlacement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace talvo {
namespace {

QPointer<HelpViewer>& viewer()
{
    static QPointer<HelpViewer> current;
    return current;
}

const QString TopicScheme = QStringLiteral("topic");

} // namespace

HelpViewer* CurrentHelpViewer()
{
    return viewer().data();
}

bool ShowHelp(QWidget* Owner, const QString& HelpFile, int Command, const QString& Data, QString* ErrorDescription)
{
    if (Command != HELP_CONTENTS && Command != HELP_PARTIALKEY) {
        if (ErrorDescription)
            *ErrorDescription = QStringLiteral("Invalid help command %1.").arg(Command);
        return false;
    }
    HelpViewer* open = viewer().data();
    // The file is read afresh for each call, so a file removed or mended since is noticed.
    std::optional<HelpDocument> document = HelpDocument::Load(HelpFile, ErrorDescription);
    if (!document)
        return false;
    if (!open || open->Path() != HelpFile || open->parentWidget() != Owner) {
        if (open)
            open->deleteLater();
        open = new HelpViewer(std::move(*document), HelpFile, Owner);
        viewer() = open;
        if (Owner)
            PlaceOver(*open, *Owner);
    }
    if (Command == HELP_CONTENTS)
        open->ShowContents();
    else
        open->ShowSearch(Data);
    open->show();
    open->raise();
    open->activateWindow();
    return true;
}

HelpViewer::HelpViewer(HelpDocument document, const QString& path, QWidget* owner)
    : QWidget(owner, Qt::Window), document_(std::move(document)), path_(path)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document_.Title.isEmpty() ? QStringLiteral("Help") : document_.Title);
    resize(760, 520);

    tabs_ = new QTabWidget;
    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("HelpContents"));
    for (const HelpTopic& topic : document_.Topics)
        contents_->addItem(topic.Title);
    tabs_->addTab(contents_, QStringLiteral("&Contents"));

    auto* search = new QWidget;
    auto* searchLayout = new QVBoxLayout(search);
    auto* prompt = new QLabel(QStringLiteral("&Type the first few letters of the word you're looking for:"));
    prompt->setWordWrap(true);
    keywordBox_ = new QLineEdit;
    keywordBox_->setObjectName(QStringLiteral("HelpKeywordBox"));
    prompt->setBuddy(keywordBox_);
    keywords_ = new QListWidget;
    keywords_->setObjectName(QStringLiteral("HelpKeywords"));
    keywords_->addItems(document_.Keywords());
    auto* display = new QPushButton(QStringLiteral("&Display"));
    display->setObjectName(QStringLiteral("HelpDisplay"));
    searchLayout->addWidget(prompt);
    searchLayout->addWidget(keywordBox_);
    searchLayout->addWidget(keywords_, 1);
    searchLayout->addWidget(display, 0, Qt::AlignRight);
    tabs_->addTab(search, QStringLiteral("&Search"));

    page_ = new QTextBrowser;
    page_->setObjectName(QStringLiteral("HelpPage"));
    page_->setOpenLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 500});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(contents_->row(item)); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(contents_->row(item)); });
    connect(keywordBox_, &QLineEdit::textEdited, this, &HelpViewer::keywordTyped);
    connect(keywordBox_, &QLineEdit::returnPressed, this, &HelpViewer::displaySelected);
    connect(keywords_, &QListWidget::itemActivated, this, &HelpViewer::displaySelected);
    connect(display, &QPushButton::clicked, this, &HelpViewer::displaySelected);
    connect(page_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    // Whoever chooses the Search tab means to type a keyword.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            keywordBox_->setFocus(Qt::TabFocusReason);
    });
}

void HelpViewer::ShowContents()
{
    tabs_->setCurrentIndex(0);
    page_->setHtml(document_.ContentsHtml());
}

void HelpViewer::ShowSearch(const QString& typed)
{
    tabs_->setCurrentIndex(1);
    keywordBox_->setText(typed);
    keywordTyped(typed);
    keywordBox_->setFocus();
    if (page_->toPlainText().isEmpty())
        page_->setHtml(document_.ContentsHtml());
}

void HelpViewer::ShowTopic(int index)
{
    if (index < 0 || index >= document_.Topics.size())
        return;
    page_->setHtml(document_.TopicHtml(index));
    const QSignalBlocker quiet(contents_);
    contents_->setCurrentRow(index);
}

void HelpViewer::DisplayKeyword(const QString& keyword)
{
    const QList<int> topics = document_.TopicsForKeyword(keyword);
    if (topics.size() == 1)
        ShowTopic(topics.first());
    else if (!topics.isEmpty())
        page_->setHtml(document_.TopicListHtml(QStringLiteral("Topics found for \"%1\"").arg(keyword), topics));
}

QString HelpViewer::PageText() const
{
    return page_->toPlainText();
}
bool HelpViewer::SearchShown() const
{
    return tabs_->currentIndex() == 1;
}

QString HelpViewer::SelectedKeyword() const
{
    const QListWidgetItem* item = keywords_->currentItem();
    return item ? item->text() : QString();
}

void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpViewer::followLink(const QUrl& url)
{
    if (url.scheme() == TopicScheme)
        ShowTopic(url.path().toInt());
}

void HelpViewer::keywordTyped(const QString& text)
{
    const int row = text.trimmed().isEmpty() ? 0 : document_.FindKeyword(text);
    if (row >= 0 && row < keywords_->count()) {
        keywords_->setCurrentRow(row);
        keywords_->scrollToItem(keywords_->item(row), QAbstractItemView::PositionAtTop);
    }
}

void HelpViewer::displaySelected()
{
    const QString keyword = SelectedKeyword();
    if (!keyword.isEmpty())
        DisplayKeyword(keyword);
}

} // namespace talvo
