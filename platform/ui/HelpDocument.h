#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace talvo {

// One page of a help file.
struct HelpTopic
{
    QString Title;
    QStringList Keywords;
    QStringList Lines; // the body as written, rendered by TopicHtml
};

// A help file in our plain-text form:
//   title: <the viewer's caption>                 (once, before the first topic)
//   = <topic title>                               starts a topic
//   keywords: <word>; <word>; ...                 index entries of the topic (any number of such lines)
//   text lines                                    joined into paragraphs; a blank line ends a paragraph
//   * item                                        a bullet list item
//   [[<topic title>]]                             a link to another topic, anywhere in the text
// Lines starting with '#' are comments.
class HelpDocument
{
public:
    static HelpDocument Parse(const QString& text);
    // Reads and parses a file; on failure returns nothing and fills *error with a description for the user.
    static std::optional<HelpDocument> Load(const QString& path, QString* error);

    QString Title;
    QList<HelpTopic> Topics;

    // Every keyword once, sorted without regard to case.
    QStringList Keywords() const;
    // The topics (indexes) that list a keyword, compared without regard to case.
    QList<int> TopicsForKeyword(const QString& keyword) const;
    // The first keyword that begins with the typed text (without regard to case), or -1.
    int FindKeyword(const QString& typed) const;
    // The topic with this title, or -1.
    int FindTopic(const QString& title) const;

    // Pages for the viewer; links are "topic:<index>".
    QString ContentsHtml() const;
    QString TopicHtml(int index) const;
    QString TopicListHtml(const QString& heading, const QList<int>& topics) const;
};

} // namespace talvo
