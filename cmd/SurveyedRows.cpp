// Collecting the survey's rows without a window, putting them in the list's
// order, and telling which of them name one file.
#include "cmd/SurveyedRows.h"

#include "framework/PathForms.h"
#include "resultlist/RowOrder.h"
#include "survey/SurveyRun.h"

namespace {
// Keeps the rows the survey adds, with their details and without icons.
class CSurveyedRows : public CRowSink {
public:
    void SetRedraw(BOOL) override {}
    bool WantsIcons() const override { return false; }
    void AddRow(const CString& path, const CString& hotKeyText, std::optional<CIconRequest>) override
    {
        m_rows.push_back({path, hotKeyText, 0, CString(), false});
    }
    bool WantsLinkDetails() const override { return true; }
    void AddLinkDetails(const LinkDetails& details) override
    {
        m_rows.back().hotKey = details.hotKey;
        m_rows.back().target = details.target;
        m_rows.back().acts = WindowsActsOn(details.place);
    }
    const std::vector<SurveyedRow>& Rows() const { return m_rows; }

private:
    std::vector<SurveyedRow> m_rows;
};

// Why a survey with `status` did not run whole; null when it did.
const char* SurveyProblem(SurveyStatus status)
{
    switch (status) {
    case SurveyStatus::kDone:
        return nullptr;
    case SurveyStatus::kUnnamedFolder:
        return "a surveyed folder has a path that the ANSI code page cannot name, even by short names";
    case SurveyStatus::kNoCom:
        return "COM could not be initialised, so no shortcut could be opened";
    default:
        return "the shell's memory allocator is not available";
    }
}

// `path` made full by the platform's rules for text alone.
std::wstring FullWidePath(const std::wstring& path)
{
    const DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    if (length == 0 || ::GetFullPathNameW(path.c_str(), length, &full[0], nullptr) + 1 != length)
        return path;
    full.resize(length - 1);
    return full;
}

// True for a full path on a drive letter that is not a network drive.
bool IsOnLocalDrive(const std::wstring& full)
{
    if (full.size() < 3 || full[1] != L':' || full[2] != L'\\')
        return false;
    const UINT type = ::GetDriveTypeW(full.substr(0, 3).c_str());
    return type != DRIVE_REMOTE && type != DRIVE_NO_ROOT_DIR && type != DRIVE_UNKNOWN;
}
}

bool SurveyInListOrder(int showUnassigned, std::vector<SurveyedRow>& rows, CommandOutput& output)
{
    CSurveyedRows sink;
    const char* problem = SurveyProblem(SurveyShortcuts(nullptr, showUnassigned, sink));
    std::vector<CString> sortTexts;
    for (const SurveyedRow& row : sink.Rows())
        sortTexts.push_back(SortTextOf(kSortByKey, 0, row.path, row.hotKeyText));
    rows.clear();
    for (int position : SortedRowOrder(sortTexts))
        rows.push_back(sink.Rows()[static_cast<std::size_t>(position)]);
    if (problem != nullptr)
        output.Err({"The survey could not run whole: " + CString(problem) + ".\r\n"});
    return problem == nullptr;
}

std::wstring ShortcutPathKey(const CString& path)
{
    std::wstring key = FullWidePath(WideFromAnsi(path.GetString()));
    if (IsOnLocalDrive(key))
        key = LongNameOf(key);
    if (!key.empty())
        ::CharUpperBuffW(&key[0], static_cast<DWORD>(key.size()));
    return key;
}

CListedShortcuts::CListedShortcuts(const std::vector<SurveyedRow>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::wstring key = ShortcutPathKey(rows[i].path);
        const std::optional<FileIdentity> file = IdentityOf(WideFromAnsi(rows[i].path.GetString()));
        auto byPath = m_byPath.find(key);
        auto byFile = file ? m_byFile.find(*file) : m_byFile.end();
        const int number = byPath != m_byPath.end() ? byPath->second
                           : byFile != m_byFile.end() ? byFile->second
                                                      : static_cast<int>(i);
        m_numbers.push_back(number);
        m_byPath.emplace(key, number);
        if (file)
            m_byFile.emplace(*file, number);
    }
}

int CListedShortcuts::ByPath(const CString& path) const
{
    const auto found = m_byPath.find(ShortcutPathKey(path));
    return found != m_byPath.end() ? found->second : -1;
}

int CListedShortcuts::ByFile(const CString& path) const
{
    const int byPath = ByPath(path);
    if (byPath >= 0)
        return byPath;
    const std::optional<FileIdentity> file = IdentityOf(WideFromAnsi(path.GetString()));
    const auto found = file ? m_byFile.find(*file) : m_byFile.end();
    return found != m_byFile.end() ? found->second : -1;
}
