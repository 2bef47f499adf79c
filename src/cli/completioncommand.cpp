#include "cli/commands.h"

#include "core/catalogue/optioncatalogue.h"
#include "core/format/configurationformat.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

namespace {

// Words for a bash list, each long run of numbered words as one brace
// expansion: FOLDER000 to FOLDER999 is FOLDER{000..999}.
QString bashWords(const QStringList &words)
{
    static const QRegularExpression numbered(u"^(\\D*)(\\d+)$"_s);
    QStringList written;
    for (qsizetype first = 0; first < words.size();) {
        const QRegularExpressionMatch match = numbered.match(words[first]);
        const QString prefix = match.captured(1);
        const QString digits = match.captured(2);
        const auto numberedAt = [&](qsizetype i) -> QString {
            return prefix
                    + QString::number(digits.toInt() + int(i - first))
                              .rightJustified(digits.size(), u'0');
        };
        qsizetype end = first + 1;
        while (match.hasMatch() && end < words.size() && words[end] == numberedAt(end))
            ++end;
        constexpr qsizetype shortRun = 9; // written out, as easy to read
        if (end - first > shortRun)
            written << u"%1{%2..%3}"_s.arg(prefix, digits,
                                           numberedAt(end - 1).sliced(prefix.size()));
        else
            written << words.mid(first, end - first);
        first = end;
    }
    return written.join(u' ');
}

// The branches of a case over --set's keys: each row that lists its values,
// rows with the same values together.
QString valueBranches()
{
    QList<std::pair<QStringList, QString>> branches; // keys, then the values
    for (const OptionRow &row : optionCatalogue) {
        if (row.list == ValueList::None)
            continue;
        QStringList values;
        for (int value = row.minimum; value <= row.maximum; ++value)
            values << fileValueText(row, value);
        const QString words = bashWords(values);
        const auto same = std::find_if(branches.begin(), branches.end(),
                                       [&](const auto &branch) { return branch.second == words; });
        if (same == branches.end())
            branches.append({{optionName(row)}, words});
        else
            same->first << optionName(row);
    }
    QString text;
    for (const auto &[keys, words] : branches)
        text += u"    %1) values=(%2) ;;\n"_s.arg(keys.join(u'|'), words);
    return text;
}

// The branches of a case over the commands: each one's options, and which
// of them take a file, a folder, a setting, a key, or any value.
QString commandBranches(const std::vector<std::unique_ptr<Command>> &commands)
{
    QString text;
    for (const auto &command : commands) {
        QStringList options{u"-h"_s, u"--help"_s};
        QStringList files, folders, settings, keys, valued;
        for (const QCommandLineOption &option : command->options()) {
            QStringList spelled;
            for (const QString &name : option.names())
                spelled << (name.size() == 1 ? u"-"_s : u"--"_s) + name;
            options << spelled;
            const QString value = option.valueName();
            if (value.isEmpty())
                continue;
            valued << spelled;
            if (value == fileValue)
                files << spelled;
            else if (value == folderValue)
                folders << spelled;
            else if (value == settingValue)
                settings << spelled;
            else if (value == keyValue)
                keys << spelled;
        }
        const QString arguments =
                command->takesFiles() ? u"files"_s : command->argumentWords().join(u' ');
        text += u"    %1)\n        options='%2'\n        valued='%3' files='%4' folders='%5'\n"
                u"        settings='%6' keys='%7' arguments='%8' ;;\n"_s.arg(
                        command->name(), options.join(u' '), valued.join(u' '),
                        files.join(u' '), folders.join(u' '), settings.join(u' '),
                        keys.join(u' '), arguments);
    }
    return text;
}

} // namespace

CompletionCommand::CompletionCommand(const std::vector<std::unique_ptr<Command>> &commands)
    : Command(u"completion"_s, u"bash"_s,
              u"Prints a script that completes this program's command lines in bash: the "
              u"commands, their options, files, and the keys and values of --set."_s),
      m_commands(commands)
{
}

Status CompletionCommand::execute(const QCommandLineParser &parser)
{
    const QStringList shells = parser.positionalArguments();
    const QString known = argumentWords().join(u", "_s);
    if (shells.size() != 1)
        return complain(Failure, u"completion: give one shell: %1"_s.arg(known));
    if (!argumentWords().contains(shells.constFirst()))
        return complain(Failure, u"completion: %1: no script for it; give %2"_s.arg(
                                         printable(shells.constFirst()), known));
    QStringList names;
    for (const auto &command : m_commands)
        names << command->name();
    QStringList keys;
    for (const OptionRow &row : optionCatalogue)
        keys << optionName(row);
    const QString program = QCoreApplication::applicationName();
    const QString function = u"_"_s + QString(program).replace(u'-', u'_');
    out() << uR"(# Bash completion for %1, made by "%1 completion bash".
# In zsh: autoload -U +X bashcompinit && bashcompinit, then source it.

# The values --set offers after KEY=, in the file's spelling.
%2_values()
{
    case $1 in
%3    *) values=() ;;
    esac
}

# Whether the word $2 is one of the words $1.
%2_in()
{
    [[ " $1 " == *" $2 "* ]]
}

# COMPREPLY from the lines of standard input, each after $1, file names
# with blanks whole.
%2_reply()
{
    local line
    COMPREPLY=()
    while IFS= read -r line; do
        COMPREPLY+=("$1$line")
    done
}

# COMPREPLY from the files (-f) or folders (-d) whose names begin with the
# word being completed, read as bash will read it: quotes and backslashes
# taken away, variables expanded, a quote left open closed ("conf\ d",
# "'conf d", "$HOME/c"); a word that would run a command is taken as typed.
# Where bash edits its lines, compgen takes quoting away once more, as
# readline does, and elsewhere not: the name is tried quoted, a leading ~
# left for compgen to expand, then as it is. bash quotes the names offered.
%2_files()
{
    local name=$cur quoted end
    case $cur in
    *'$('* | *'`'* | *'<('* | *'>('*) ;;
    *)
        for end in '' "'" '"'; do
            eval "name=''$cur$end" 2>/dev/null && break
        done
        ;;
    esac
    case $name in
    \~*) printf -v quoted '~%q' "${name:1}" ;;
    *) printf -v quoted %q "$name" ;;
    esac
    compopt -o filenames 2>/dev/null
    %2_reply "$kept" < <(compgen "$1" -- "$quoted" || compgen "$1" -- "$name")
}

%2()
{
    local -a words=("${COMP_WORDS[@]:0:$COMP_CWORD}")
    local cur=${COMP_WORDS[COMP_CWORD]} kept= equals=
    local options= valued= files= folders= settings= keys= arguments=
    local -a values=()
    # Bash makes "=" a word of its own: "--set INPUT01=PL" comes as --set,
    # INPUT01, = and PL, and "--set INPUT01=" ends in the word "=". zsh
    # gives "INPUT01=PL" whole: it is split the same way, and each answer
    # given again what came before the value.
    if [[ $cur == = ]]; then
        words+=(=)
        cur=
    fi
    while [[ $cur == *=* ]]; do
        [[ ${cur%%=*} ]] && words+=("${cur%%=*}")
        words+=(=)
        kept+=${cur%%=*}=
        cur=${cur#*=}
    done
    local at=$((${#words[@]} - 1))
    if [[ ${words[at]} == = ]]; then
        equals=1
        ((at--))
    fi
    local before=${words[at]} option=${words[at - 1]-}
    [[ $option == = ]] && option=${words[at - 2]-}
    case ${words[1]-} in
%4    esac
    if ((${#words[@]} == 1)); then
        %2_reply "$kept" < <(compgen -W '%5 -h --help -v --version' -- "$cur")
    elif [[ $equals ]] && %2_in "$settings" "$option"; then
        %2_values "$before"
        %2_reply "$kept" < <(compgen -W "${values[*]}" -- "$cur")
    elif %2_in "$valued" "$before"; then
        if %2_in "$files" "$before"; then
            %2_files -f
        elif %2_in "$folders" "$before"; then
            %2_files -d
        elif %2_in "$settings" "$before"; then
            compopt -o nospace 2>/dev/null
            %2_reply "$kept" < <(compgen -W '%6' -- "$cur")
        elif %2_in "$keys" "$before"; then
            %2_reply "$kept" < <(compgen -W '%7' -- "$cur")
        else
            COMPREPLY=()
        fi
    elif [[ $cur == -* || $arguments != files ]]; then
        %2_reply "$kept" < <(compgen -W "$options $arguments" -- "$cur")
    else
        %2_files -f
    fi
}
complete -F %2 %1
)"_s.arg(program, function, valueBranches(), commandBranches(m_commands), names.join(u' '),
         keys.join(u"= "_s) + u'=', keys.join(u' '));
    return Fine;
}

} // namespace Tessaro::Cli
