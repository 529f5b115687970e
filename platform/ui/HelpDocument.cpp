#include "platform/ui/HelpDocument.h"

#include "platform/core/RegularFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace talvo {
namespace {

const QString TitlePrefix = QStringLiteral("title:");
const QString KeywordsPrefix = QStringLiteral("keywords:");

QString topicLink(int index, const QString& text)
{
    return QStringLiteral("<a href=\"topic:%1\">%2</a>").arg(index).arg(text.toHtmlEscaped());
}

} // namespace

HelpDocument HelpDocument::Parse(const QString& text)
{
    HelpDocument document;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('='))) {
            document.Topics.append(HelpTopic{line.mid(1).trimmed(), {}, {}});
            continue;
        }
        if (document.Topics.isEmpty()) {
            if (line.startsWith(TitlePrefix, Qt::CaseInsensitive))
                document.Title = line.mid(TitlePrefix.size()).trimmed();
            continue;
        }
        HelpTopic& topic = document.Topics.last();
        if (line.startsWith(KeywordsPrefix, Qt::CaseInsensitive)) {
            for (const QString& word : line.mid(KeywordsPrefix.size()).split(QLatin1Char(';'))) {
                if (!word.trimmed().isEmpty())
                    topic.Keywords.append(word.trimmed());
            }
            continue;
        }
        topic.Lines.append(line);
    }
    return document;
}

std::optional<HelpDocument> HelpDocument::Load(const QString& path, QString* error)
{
    QFile file(path);
    QString reason;
    const QString kind = QStringLiteral("help file");
    std::optional<QByteArray> bytes;
    if (!OpenRegularFile(file, &reason, SmallFileBound, kind) ||
        !(bytes = ReadAtMost(file, SmallFileBound, kind, &reason))) {
        if (error)
            *error = QStringLiteral("Unable to open the help file \"%1\": %2.").arg(path, reason);
        return std::nullopt;
    }
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(*bytes);
    HelpDocument document = Parse(text);
    if (decode.hasError() || document.Topics.isEmpty()) {
        if (error)
            *error = QStringLiteral("The file \"%1\" is not a TalvoDSS help file.").arg(path);
        return std::nullopt;
    }
    return document;
}

QStringList HelpDocument::Keywords() const
{
    QStringList all;
    for (const HelpTopic& topic : Topics) {
        for (const QString& word : topic.Keywords) {
            if (!all.contains(word, Qt::CaseInsensitive))
                all.append(word);
        }
    }
    std::sort(all.begin(), all.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return all;
}

QList<int> HelpDocument::TopicsForKeyword(const QString& keyword) const
{
    QList<int> found;
    for (int i = 0; i < Topics.size(); ++i) {
        if (Topics[i].Keywords.contains(keyword, Qt::CaseInsensitive))
            found.append(i);
    }
    return found;
}

int HelpDocument::FindKeyword(const QString& typed) const
{
    const QStringList all = Keywords();
    const QString wanted = typed.trimmed();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].startsWith(wanted, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

int HelpDocument::FindTopic(const QString& title) const
{
    for (int i = 0; i < Topics.size(); ++i) {
        if (Topics[i].Title.compare(title, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString HelpDocument::ContentsHtml() const
{
    QString html =
        QStringLiteral("<h2>%1</h2><ul>").arg((Title.isEmpty() ? QStringLiteral("Contents") : Title).toHtmlEscaped());
    for (int i = 0; i < Topics.size(); ++i)
        html += QStringLiteral("<li>") + topicLink(i, Topics[i].Title) + QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

QString HelpDocument::TopicHtml(int index) const
{
    if (index < 0 || index >= Topics.size())
        return {};
    const HelpTopic& topic = Topics[index];
    static const QRegularExpression link(QStringLiteral("\\[\\[(.+?)\\]\\]"));

    // Escapes the text, then turns each [[title]] into a link (plain text when no topic has that title).
    auto inline_ = [this](const QString& text) {
        QString out;
        qsizetype at = 0;
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            out += text.mid(at, m.capturedStart() - at).toHtmlEscaped();
            const int target = FindTopic(m.captured(1));
            out += target >= 0 ? topicLink(target, m.captured(1)) : m.captured(1).toHtmlEscaped();
            at = m.capturedEnd();
        }
        return out + text.mid(at).toHtmlEscaped();
    };

    QString html = QStringLiteral("<h2>%1</h2>").arg(topic.Title.toHtmlEscaped());
    QString paragraph;
    bool inList = false;
    auto endParagraph = [&] {
        if (!paragraph.isEmpty())
            html += QStringLiteral("<p>") + inline_(paragraph) + QStringLiteral("</p>");
        paragraph.clear();
    };
    auto endList = [&] {
        if (inList)
            html += QStringLiteral("</ul>");
        inList = false;
    };
    for (const QString& line : topic.Lines) {
        if (line.isEmpty()) {
            endParagraph();
            endList();
        } else if (line.startsWith(QStringLiteral("* "))) {
            endParagraph();
            if (!inList)
                html += QStringLiteral("<ul>");
            inList = true;
            html += QStringLiteral("<li>") + inline_(line.mid(2)) + QStringLiteral("</li>");
        } else if (inList) {
            // A continuation line of the last bullet.
            html.chop(QStringLiteral("</li>").size());
            html += QLatin1Char(' ') + inline_(line) + QStringLiteral("</li>");
        } else {
            paragraph += paragraph.isEmpty() ? line : QLatin1Char(' ') + line;
        }
    }
    endParagraph();
    endList();
    return html;
}

QString HelpDocument::TopicListHtml(const QString& heading, const QList<int>& topics) const
{
    QString html = QStringLiteral("<h2>%1</h2><ul>").arg(heading.toHtmlEscaped());
    for (int index : topics)
        html += QStringLiteral("<li>") + topicLink(index, Topics[index].Title) + QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

} // namespace talvo
