#pragma once

// Replays a game's event log as a ledger: every line that moves money is
// applied to the players' balances, and every balance a line states is
// checked against the ledger. If the game changed a balance without saying
// so, or said an amount it did not move, the replay disagrees with it.
// The lines of computer players only (their purchase lines show the balance
// after the purchase).

#include "game/square_table.h"

#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace tycora::testing {

class LedgerReplay {
public:
    explicit LedgerReplay(const std::vector<std::string> &names)
    {
        for (const std::string &n : names)
            balance_[n] = 1500;
    }

    // Applies one line; false (with the reason in problem()) when the line
    // disagrees with the ledger.
    bool apply(const std::string &line);

    long long balance(const std::string &name) const { return balance_.at(name); }
    const std::string &problem() const { return problem_; }
    long long potTotal() const { return pot_; }

private:
    bool fail(const std::string &line, const std::string &why)
    {
        problem_ = why + ": " + line;
        return false;
    }
    bool expect(const std::string &line, const std::string &name, long long figure)
    {
        if (balance_.count(name) == 0)
            return fail(line, "unknown player " + name);
        if (balance_[name] != figure)
            return fail(line, name + " has " + std::to_string(balance_[name]) + ", the line says " +
                                  std::to_string(figure));
        return true;
    }
    static std::optional<int> priceOf(const std::string &square)
    {
        for (int sq = 0; sq < BoardSize; ++sq)
            if (squareInfo(sq).name == square)
                return squareInfo(sq).price;
        return std::nullopt;
    }

    std::map<std::string, long long> balance_;
    long long pot_ = 0;
    std::string problem_;
};

inline bool LedgerReplay::apply(const std::string &line)
{
    static const std::string L = "\xC2\xA3";
    static const std::regex opening("^(.+?) \\(" + L + "(-?\\d+)\\) (.*)$");
    static const std::regex arrow(".*  -->  " + L + "(-?\\d+)$");
    static const std::regex rent("^(.+) Pays (.+) " + L + "(\\d+) Rent for .+$");
    static const std::regex cardFigures(".*    (-?)" + L + "(\\d+)  --->   (?:" + L + "|\\$)(-?\\d+)$");
    std::smatch m;
    if (std::regex_match(line, m, rent)) {
        const long long r = std::stoll(m[3]);
        balance_[m[1]] -= r;
        balance_[m[2]] += r;
        return true;
    }
    if (!std::regex_match(line, m, opening))
        return true;   // throws' companions, doubles, options, auctions unsold, wins
    const std::string name = m[1];
    const long long stated = std::stoll(m[2]);
    const std::string rest = m[3];
    if (balance_.count(name) == 0)
        return true;   // "Player 0:  ..." lines and the like
    std::smatch a;
    const bool hasArrow = std::regex_match(rest, a, arrow);
    const long long after = hasArrow ? std::stoll(a[1]) : 0;

    if (rest.rfind("rolls:", 0) == 0 || rest.rfind("rolled doubles", 0) == 0 || rest.rfind("Must Raise", 0) == 0)
        return expect(line, name, stated);
    if (rest.rfind("Purchased ", 0) == 0) {
        const auto price = priceOf(rest.substr(10));
        if (!price)
            return fail(line, "unknown square");
        balance_[name] -= *price;
        return expect(line, name, stated);   // a computer's line: the balance after
    }
    if (rest.rfind("Built a House: ", 0) == 0 || rest.rfind("Built a Hotel: ", 0) == 0) {
        const SquareInfo *info = nullptr;
        for (int sq = 0; sq < BoardSize; ++sq)
            if (squareInfo(sq).name == rest.substr(15))
                info = &squareInfo(sq);
        if (!info)
            return fail(line, "unknown square");
        balance_[name] -= rest.compare(0, 13, "Built a House") == 0 ? info->houseCost : info->hotelCost;
        return expect(line, name, stated);
    }
    if (rest.rfind("Landed on ", 0) == 0) {
        if (!expect(line, name, stated))
            return false;
        std::smatch c;
        if (std::regex_match(rest, c, cardFigures)) {
            const long long amount = std::stoll(c[2]) * (c[1] == "-" ? -1 : 1);
            balance_[name] += amount;
            if (amount < 0)
                pot_ -= amount;
            return expect(line, name, std::stoll(c[3]));
        }
        return true;
    }
    if (rest.rfind("is Bankrupt to ", 0) == 0) {
        if (!expect(line, name, stated))
            return false;
        const std::string creditor = rest.substr(15);
        if (balance_.count(creditor))
            balance_[creditor] += balance_[name];
        balance_[name] = 0;
        return true;
    }
    if (!hasArrow)
        return expect(line, name, stated);
    // Every other money line: "(£before) ...  -->  £after".
    if (!expect(line, name, stated))
        return false;
    balance_[name] = after;
    return true;
}

} // namespace tycora::testing
