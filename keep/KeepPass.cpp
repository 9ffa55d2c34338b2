#include "keep/KeepPass.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "keep/BackupFile.h"
#include "rules/KeepPass.h"
#include "rules/PathText.h"
#include "shell/LinkHotKey.h"
#include "shell/ShortcutFingerprint.h"
#include "survey/SurveyedRows.h"
#include "text/UpperCase.h"

namespace {
// What the keeper carries from one pass to the next.
struct KeeperMemory {
    std::vector<BackupRow> kept;
    // The paths the previous pass listed, each with its folder tree and file
    // name key.
    std::map<std::string, std::string> listed;
    // By path: what the previous pass left of each kept shortcut that held
    // its kept hotkey.
    std::map<std::string, ShortcutFingerprint> seen;
};

// The folder tree and file name (upper-cased) of a listed shortcut as one key.
std::string PlaceKey(const SurveyedRow& row)
{
    return std::to_string(static_cast<int>(row.root)) + "|" +
           UpperCaseText(GetPathFileName(row.path.GetString()).GetString()).str();
}

// The path keys of the files the survey found but could not list.
std::set<std::wstring> UnlistedFiles(const SurveyFiles& found, const std::vector<SurveyedRow>& rows)
{
    std::set<std::string> listed;
    for (const SurveyedRow& row : rows)
        listed.insert(row.path.str());
    std::set<std::wstring> unlisted;
    for (int i = 0; i < found.GetSize(); ++i)
        if (listed.count(found[i].str()) == 0)
            unlisted.insert(ShortcutPathKey(found[i]));
    return unlisted;
}

// The paths of `shortcuts` (listed row numbers), joined by " | ".
CString PathsOf(const std::vector<int>& shortcuts, const std::vector<SurveyedRow>& rows)
{
    CString paths;
    for (std::size_t i = 0; i < shortcuts.size(); ++i)
        paths += CString(i == 0 ? "" : " | ") + rows[static_cast<std::size_t>(shortcuts[i])].path;
    return paths;
}

// One pass over one survey: the plan carried out, the actions, the new kept
// list and what is remembered for the next pass.
class CPass {
public:
    CPass(const std::vector<SurveyedRow>& rows, const CListedShortcuts& numbers, const KeeperMemory& before)
        : m_rows(rows), m_numbers(numbers), m_before(before)
    {
    }

    // The kept rows and the listed shortcuts as the plan takes them;
    // fingerprints of the listed kept shortcuts are read here.
    KeepPlan Plan(const SurveyFiles& found)
    {
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const SurveyedRow& row = m_rows[i];
            m_listed.push_back({ListedShortcutOf(row, m_numbers.NumberOf(i)), row.acts, PlaceKey(row),
                                m_before.listed.count(row.path.str()) == 0});
        }
        const std::set<std::wstring> unlisted = UnlistedFiles(found, m_rows);
        std::vector<KeptShortcut> kept;
        for (const BackupRow& row : m_before.kept) {
            const int shortcut = m_numbers.ByPath(row.path);
            m_own.push_back(shortcut);
            const RestoreRow restoreRow = RestoreRowOf(row, shortcut);
            if (shortcut >= 0)
                kept.push_back({restoreRow, m_listed[static_cast<std::size_t>(shortcut)].place, FileNow(shortcut)});
            else
                kept.push_back({restoreRow, PlaceBefore(row.path),
                                unlisted.count(ShortcutPathKey(row.path)) != 0 ? KeptFile::kBusy : KeptFile::kGone});
        }
        return PlanKeepPass(kept, m_listed);
    }

    // Carries out `plan` and fills `result`.
    void Apply(const KeepPlan& plan, KeepPassResult& result)
    {
        for (std::size_t i = 0; i < plan.kept.size(); ++i)
            Apply(plan.kept[i], i, result.actions);
        for (int shortcut : plan.joined) {
            Act(result.actions, "joined", shortcut, m_rows[static_cast<std::size_t>(shortcut)].hotKey);
            Keep(shortcut, m_rows[static_cast<std::size_t>(shortcut)].hotKey);
        }
        std::stable_sort(m_kept.begin(), m_kept.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [order, row] : m_kept)
            result.kept.push_back(std::move(row));
        result.again = plan.again;
    }

    // What the next pass starts from.
    void Remember(KeeperMemory& state, const KeepPassResult& result)
    {
        state.kept = result.kept;
        state.seen = std::move(m_seen);
        state.listed.clear();
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            state.listed.emplace(m_rows[i].path.str(), m_listed[i].place);
    }

private:
    // What became of the file of the listed kept shortcut `shortcut`.
    KeptFile FileNow(int shortcut)
    {
        const CString& path = m_rows[static_cast<std::size_t>(shortcut)].path;
        const std::optional<ShortcutFingerprint> now = m_fingerprints[shortcut] = ReadShortcutFingerprint(path.GetString());
        const auto before = m_before.seen.find(path.str());
        return now && before != m_before.seen.end() && before->second == *now ? KeptFile::kSame : KeptFile::kRewritten;
    }

    // The folder tree and file name key of `path` when the previous pass
    // listed it; empty otherwise.
    std::string PlaceBefore(const CString& path) const
    {
        const auto found = m_before.listed.find(path.str());
        return found != m_before.listed.end() ? found->second : std::string();
    }

    // Carries out the decision for kept row `kept`.
    void Apply(const KeepDecision& decision, std::size_t kept, std::vector<KeepAction>& actions)
    {
        const BackupRow& row = m_before.kept[kept];
        switch (decision.step) {
        case KeepStep::kGivenBack:
        case KeepStep::kMoved:
            return Write(decision, kept, actions);
        case KeepStep::kAdopted:
            Act(actions, "adopted", decision.shortcut, decision.hotKey);
            return Keep(decision.shortcut, decision.hotKey);
        case KeepStep::kCleared:
            return Act(actions, "cleared", decision.shortcut, row.hotKey);
        case KeepStep::kHeld:
            Act(actions, "held", decision.shortcut, row.hotKey, "held by " + PathsOf(decision.others, m_rows));
            return Carry(kept);
        case KeepStep::kAmbiguous:
            actions.push_back({"ambiguous", row.path, row.hotKey, "candidates: " + PathsOf(decision.others, m_rows)});
            return Carry(kept);
        default:
            return decision.shortcut >= 0 ? Keep(decision.shortcut, decision.hotKey) : Carry(kept);
        }
    }

    // Writes a row's hotkey back into its shortcut or into the one that
    // replaced it; a row whose write fails stays as it was.
    void Write(const KeepDecision& decision, std::size_t kept, std::vector<KeepAction>& actions)
    {
        const BackupRow& row = m_before.kept[kept];
        const CString& path = m_rows[static_cast<std::size_t>(decision.shortcut)].path;
        CString reason;
        if (!WriteLinkHotKey(path, decision.hotKey, reason)) {
            Act(actions, "failed", decision.shortcut, decision.hotKey, reason);
            return Carry(kept);
        }
        m_fingerprints[decision.shortcut] = ReadShortcutFingerprint(path.GetString());
        const bool moved = decision.step == KeepStep::kMoved;
        Act(actions, moved ? "moved" : "given back", decision.shortcut, decision.hotKey,
            moved ? "from " + row.path : CString());
        Keep(decision.shortcut, decision.hotKey);
    }

    void Act(std::vector<KeepAction>& actions, const char* what, int shortcut, std::uint16_t hotKey,
             const CString& detail = CString()) const
    {
        actions.push_back({what, m_rows[static_cast<std::size_t>(shortcut)].path, hotKey, detail});
    }

    // Keeps the listed shortcut `shortcut` with `hotKey`, which it holds now,
    // remembering its fingerprint for the next pass.
    void Keep(int shortcut, std::uint16_t hotKey)
    {
        const SurveyedRow& listed = m_rows[static_cast<std::size_t>(shortcut)];
        m_kept.emplace_back(shortcut, BackupRow{listed.path, listed.target, hotKey, listed.arguments});
        const auto found = m_fingerprints.find(shortcut);
        const std::optional<ShortcutFingerprint> fingerprint =
            found != m_fingerprints.end() ? found->second : ReadShortcutFingerprint(listed.path.GetString());
        // A file whose bytes no longer hold the hotkey the survey read was
        // replaced meanwhile: nothing is remembered of it, so the pass that
        // its change starts does not take the new file for the user's own.
        if (fingerprint && fingerprint->hotKey == hotKey)
            m_seen[listed.path.str()] = *fingerprint;
    }

    // Keeps kept row `kept` as it was, at its shortcut's place in the list
    // (after every listed shortcut when it has none), with nothing
    // remembered of its file.
    void Carry(std::size_t kept)
    {
        const int own = m_own[kept];
        m_kept.emplace_back(own >= 0 ? own : static_cast<int>(m_rows.size()), m_before.kept[kept]);
    }

    const std::vector<SurveyedRow>& m_rows;
    const CListedShortcuts& m_numbers;
    const KeeperMemory& m_before;
    std::vector<KeepListed> m_listed;
    std::vector<int> m_own;  // for each kept row, the listed shortcut its path names; -1 for none
    std::map<int, std::optional<ShortcutFingerprint>> m_fingerprints;  // read this pass, by listed shortcut
    std::vector<std::pair<int, BackupRow>> m_kept;                     // the new kept rows, by list position
    std::map<std::string, ShortcutFingerprint> m_seen;
};
}

struct CKeeper::State : KeeperMemory {};

CKeeper::CKeeper(std::vector<BackupRow> kept) : m_state(std::make_unique<State>())
{
    m_state->kept = std::move(kept);
}

CKeeper::~CKeeper() = default;

KeepPassResult CKeeper::Pass()
{
    KeepPassResult result;
    std::vector<SurveyedRow> rows;
    SurveyFiles found;
    if (SurveyInListOrder(1, RowTargets::kRead, rows, &found) != SurveyStatus::kDone) {
        result.kept = m_state->kept;
        return result;
    }
    result.surveyed = true;
    const CListedShortcuts numbers(rows);
    CPass pass(rows, numbers, *m_state);
    pass.Apply(pass.Plan(found), result);
    pass.Remember(*m_state, result);
    return result;
}
