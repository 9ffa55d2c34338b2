#include "rules/EnvExpansion.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A value of `length` characters whose every position is told apart from its
// neighbours, so a cut or a shift shows.
std::string LongValue(std::size_t length)
{
    std::string value;
    for (std::size_t i = 0; i < length; ++i)
        value += static_cast<char>('A' + i % 26);
    return value;
}

// An environment of fixed values that records the names it is asked for.
class FakeEnvironment {
public:
    FakeEnvironment()
        : m_values{
              {"WINDIR", "C:\\WINDOWS"},
              {"EMPTY", ""},
              {"PCT", "50%"},
              {"REF", "%WINDIR%"},
              {"SO", "\x83\x5C"},
              {"L98", LongValue(98)},
              {"L99", LongValue(99)},
              {"L150", LongValue(150)},
          }
    {
    }

    EnvLookup Lookup()
    {
        return [this](const std::string& name) -> std::optional<std::string> {
            m_asked.push_back(name);
            const auto found = m_values.find(name);
            if (found == m_values.end())
                return std::nullopt;
            return found->second;
        };
    }

    std::vector<std::string> m_asked;

private:
    std::map<std::string, std::string> m_values;
};

struct ExpansionCase {
    std::string source;
    std::string expanded;
};

TEST(ExpandEnvVarsWith, ReplacesReferencesThatHaveAValue)
{
    const ExpansionCase cases[] = {
        {"%WINDIR%\\NOTEPAD.EXE", "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"%NO_SUCH_NAME%\\x", "%NO_SUCH_NAME%\\x"},
        {"%EMPTY%\\x", "%EMPTY%\\x"},
        {"%windir%", "%windir%"},
        {"%%", "%%"},
        {"a%%b", "a%%b"},
        {"100%", "100%"},
        {"a%b", "a%b"},
        {"%", "%"},
        {"C:\\x\\a.lnk", "C:\\x\\a.lnk"},
        {"", ""},
        {"%WINDIR%%WINDIR%", "C:\\WINDOWSC:\\WINDOWS"},
        {"%WINDIR%%", "C:\\WINDOWS%"},
        {"%NO%WINDIR%", "%NO%WINDIR%"},
        {"%PCT%%WINDIR%", "50%C:\\WINDOWS"},
        {"%REF%", "%WINDIR%"},
        {"\x83\x5C%SO%\\%WINDIR%", "\x83\x5C\x83\x5C\\C:\\WINDOWS"},
        {"<%L98%>", "<" + LongValue(98) + ">"},
        {"<%L99%>", "<" + LongValue(99) + ">"},
        {"<%L150%>", "<" + LongValue(150) + ">"},
    };
    for (const ExpansionCase& c : cases) {
        FakeEnvironment environment;
        CString dest("previous text");
        ExpandEnvVarsWith(c.source.c_str(), dest, environment.Lookup());
        EXPECT_EQ(dest.str(), c.expanded) << c.source;
    }
}

TEST(ExpandEnvVarsWith, LooksUpEachCompleteNameOnce)
{
    FakeEnvironment environment;
    CString dest;
    ExpandEnvVarsWith("%a%%%x%WINDIR%y%b c%%unterminated", dest, environment.Lookup());
    EXPECT_EQ(dest.str(), "%a%%%xC:\\WINDOWSy%b c%%unterminated");
    EXPECT_EQ(environment.m_asked, (std::vector<std::string>{"a", "", "WINDIR", "b c"}));
}

TEST(ExpandEnvVarsWith, SourceMayBeTheDestinationsText)
{
    const ExpansionCase cases[] = {
        {"%WINDIR%\\NOTEPAD.EXE", "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"%L150%", LongValue(150)},
        {"x%NO_SUCH_NAME%", "x%NO_SUCH_NAME%"},
        {"a%b", "a%b"},
        {"no reference", "no reference"},
    };
    for (const ExpansionCase& c : cases) {
        FakeEnvironment environment;
        CString text(c.source);
        ExpandEnvVarsWith(text.GetString(), text, environment.Lookup());
        EXPECT_EQ(text.str(), c.expanded) << c.source;
    }
}

} // namespace
