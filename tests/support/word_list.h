#pragma once

// A translation held in memory for the tests: a few texts, each known by
// its context, as a QTranslator the application looks them up in.

#include <QString>
#include <QTranslator>

#include <map>
#include <string>
#include <utility>

namespace tycora::testing {

class WordList final : public QTranslator {
public:
    using Key = std::pair<std::string, std::string>;   // context, source text (UTF-8)

    explicit WordList(std::map<Key, QString> words) : words_(std::move(words)) {}

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const auto found = words_.find({context, sourceText});
        return found == words_.end() ? QString() : found->second;
    }

private:
    std::map<Key, QString> words_;
};

} // namespace tycora::testing
