// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "cli/AlbumRequest.h"
#include "core/album/AlbumSettings.h"

#include <QCommandLineParser>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <span>
#include <type_traits>

namespace quenbrook {

// What an option with a value takes: "inch, cm"; for a setting with choices each choice, by its
// word if it has one: "150, 300, 600, printer".
template <class T> QString AcceptedWords(const SettingOption<T>& option, const QList<T>& choices)
{
    QStringList words;
    if constexpr (std::is_same_v<T, qint32>) {
        for (const qint32 choice : choices) {
            const auto named = std::find_if(option.Words.cbegin(), option.Words.cend(),
                                            [&](const auto& w) { return w.Value == choice; });
            words << (named == option.Words.cend() ? QString::number(choice)
                                                   : QString::fromLatin1(named->Text));
        }
    }
    if (words.isEmpty()) {
        for (const SettingWord<T>& word : option.Words)
            words << QString::fromLatin1(word.Text);
    }
    return words.join(QLatin1String(", "));
}

// The names of the paper sizes --paper takes, shortest form ("A4", "Letter", "Executive"), then
// the photo papers ("4x6").
QStringList PaperNames();

// The units a length may end in, lower case ("in", "cm", "mm").
QStringList LengthUnits();

// Reads quenbrook-album's option values from the parsed command line, keeping the first
// complaint.
class OptionReader
{
public:
    explicit OptionReader(const QCommandLineParser& parser)
        : parser_(parser)
    {}

    QString problem() const { return problem_; }
    void fail(const QString& message);

    // One of the words in any letter case; nothing when the option was not given.
    template <typename T>
    std::optional<T> word(const QString& name, std::span<const SettingWord<T>> words)
    {
        if (!parser_.isSet(name))
            return std::nullopt;
        const QString text = parser_.value(name);
        QStringList allowed;
        for (const SettingWord<T>& w : words) {
            if (text.compare(QLatin1String(w.Text), Qt::CaseInsensitive) == 0)
                return w.Value;
            allowed << QLatin1String(w.Text);
        }
        complain(name, text, oneOf(allowed.join(QLatin1String(", "))));
        return std::nullopt;
    }

    // The given option's value: one of its words in any letter case, or for a setting with
    // choices the number of one of them.
    template <class T>
    std::optional<T> settingWord(const SettingOption<T>& option, const QList<T>& choices)
    {
        const QString name = QLatin1String(option.Name);
        const QString text = parser_.value(name);
        for (const SettingWord<T>& w : option.Words) {
            if (text.compare(QLatin1String(w.Text), Qt::CaseInsensitive) == 0)
                return w.Value;
        }
        if constexpr (std::is_same_v<T, qint32>) {
            for (const qint32 choice : choices) {
                if (text.trimmed() == QString::number(choice))
                    return choice;
            }
        }
        complain(name, text, oneOf(AcceptedWords(option, choices)));
        return std::nullopt;
    }

    // The given option's value: a number by the program's number rule ("." in every locale),
    // then a unit in any case.
    std::optional<TypedLength> length(const QString& name, bool zeroAllowed);

    std::optional<PaperChoice> paper(const QString& name);
    std::optional<PageRange> pages(const QString& name);

    // At most one of a setting's options; the one given.
    template <class T> const SettingOption<T>* oneOf(const QList<SettingOption<T>>& options)
    {
        const SettingOption<T>* chosen = nullptr;
        for (const SettingOption<T>& option : options) {
            if (!parser_.isSet(QLatin1String(option.Name)))
                continue;
            if (chosen) {
                bothGiven(QLatin1String(chosen->Name), QLatin1String(option.Name));
                return nullptr;
            }
            chosen = &option;
        }
        return chosen;
    }

private:
    static QString oneOf(const QString& words);
    void complain(const QString& name, const QString& text, const QString& wanted);
    void bothGiven(const QString& first, const QString& second);

    const QCommandLineParser& parser_;
    QString problem_;
};

} // namespace quenbrook
