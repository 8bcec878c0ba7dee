#include "tool_messages.h"

#include "failure.h"
#include "i18n.h"

#include <climits>
#include <clocale>
#include <string>

namespace wsstool {

std::string usageText(const char *toolName, Direction direction)
{
    /* TRANSLATORS: %s is the tool's name, WSSCod.exe or WSSdec.exe; -f and -n are options, typed
       as they are. */
    std::string text = format(_("usage: %s [-f | -n] FILE...\n"), toolName);
    text += direction == Direction::Encode
        ? _("Encodes each WAV file FILE as WSS, written beside it with the extension \".wss\".\n")
        : _("Decodes each WSS file FILE into a 16-bit WAV file, written beside it with the extension \".wav\".\n");
    /* TRANSLATORS: -o and --output-folder are options, typed as they are; FOLDER is what the user
       types after them. */
    text += _("With -o FOLDER (or --output-folder=FOLDER) the outputs are written in FOLDER instead,\n"
              "under the same names.\n");
    /* TRANSLATORS: the options (-f, --force, ...) are typed as they are; keep them, and line up
       the explanations. */
    text += _("FILE may hold the wildcards * and ?: every ordinary file it names is converted.\n"
              "An existing output is kept as NAME.~N~ (left alone if it is the same).\n"
              "  -f, --force   replace an existing output without keeping it\n"
              "  -n, --no-clobber\n"
              "                leave an existing output as it is, and do not convert its file\n"
              "  -h, --help    show this help\n"
              "  --version     show the version\n"
              "  --            every later argument is a file name\n");
    return text;
}

std::string optionWithoutFolder(const std::string &option)
{
    /* TRANSLATORS: %s is the option as given (-o, --output-folder=), in quotes; FOLDER is what the
       user types after it. */
    return format(_("%s needs a folder: -o FOLDER or --output-folder=FOLDER"), quote(option).c_str());
}

std::string sameOutputAs(
    const std::filesystem::path &input, const std::filesystem::path &output, const std::filesystem::path &earlier)
{
    /* TRANSLATORS: a file not converted, its output and the file that output was made from
       earlier in the same run, each in quotes. */
    return format(_("%s is not converted: its output %s was made from %s in this run"), quote(input).c_str(),
        quote(output).c_str(), quote(earlier).c_str());
}

std::string noFileNamed(Direction direction)
{
    return direction == Direction::Encode ? _("no file named: give the WAV file to encode")
                                          : _("no file named: give the WSS file to decode");
}

std::string folderGiven(Direction direction, const std::filesystem::path &folder)
{
    if (direction == Direction::Encode)
        /* TRANSLATORS: %s is a folder's name, in quotes. */
        return format(_("%s is a folder; give the WAV file to encode in it"), quote(folder).c_str());
    /* TRANSLATORS: %s is a folder's name, in quotes. */
    return format(_("%s is a folder; give the WSS file to decode in it"), quote(folder).c_str());
}

std::string wouldReplaceInput(Direction direction, const std::filesystem::path &output)
{
    if (direction == Direction::Encode)
        /* TRANSLATORS: %s is the name of the file the tool would write, in quotes. */
        return format(_("the output %s would replace the input; expected a WAV file"), quote(output).c_str());
    /* TRANSLATORS: %s is the name of the file the tool would write, in quotes. */
    return format(_("the output %s would replace the input; expected a WSS file"), quote(output).c_str());
}

namespace {

// A count in the digit grouping of the user's locale (LC_NUMERIC: "2.500" in German, "2500" in
// the C locale). By hand from localeconv(): printf's grouping flag is not ISO C++, and
// std::locale("") leaks glibc's parse of the locale name at each use.
std::string grouped(std::size_t count)
{
    std::string digits = std::to_string(count);
    const std::lconv *conventions = std::localeconv();
    const std::string separator = conventions->thousands_sep ? conventions->thousands_sep : "";
    const char *grouping = conventions->grouping ? conventions->grouping : "";
    if (separator.empty() || *grouping <= 0 || *grouping == CHAR_MAX)
        return digits;
    // grouping: the size of each group from the right, the last size repeating; CHAR_MAX ends it.
    std::size_t end = digits.size();
    int size = static_cast<unsigned char>(*grouping);
    while (end > std::size_t(size)) {
        end -= std::size_t(size);
        digits.insert(end, separator);
        if (grouping[1] == CHAR_MAX)
            break;
        if (grouping[1] > 0)
            size = static_cast<unsigned char>(*++grouping);
    }
    return digits;
}

} // namespace

std::string summary(
    Direction direction, std::size_t converted, std::size_t total, std::size_t failed, std::size_t skipped)
{
    if (skipped > 0 && direction == Direction::Encode)
        return format(
            /* TRANSLATORS: the last line of a run with -n over several files, some of which were
               skipped because their output was already there: converted, named, failed, skipped,
               each in the user's digit grouping ("2.500" in German). The form follows the files
               named. */
            translatePlural("%s of %s file encoded; %s failed; %s skipped (the output existed)",
                "%s of %s files encoded; %s failed; %s skipped (the output existed)", total),
            grouped(converted).c_str(), grouped(total).c_str(), grouped(failed).c_str(), grouped(skipped).c_str());
    if (skipped > 0)
        return format(
            /* TRANSLATORS: the last line of a run with -n over several files, some of which were
               skipped because their output was already there: converted, named, failed, skipped,
               each in the user's digit grouping ("2.500" in German). The form follows the files
               named. */
            translatePlural("%s of %s file decoded; %s failed; %s skipped (the output existed)",
                "%s of %s files decoded; %s failed; %s skipped (the output existed)", total),
            grouped(converted).c_str(), grouped(total).c_str(), grouped(failed).c_str(), grouped(skipped).c_str());
    if (direction == Direction::Encode)
        return format(
            /* TRANSLATORS: the last line of a run over several files that were not all converted:
               converted, named, failed, each in the user's digit grouping ("2.500" in German). The
               form follows the files named. */
            translatePlural("%s of %s file encoded; %s failed", "%s of %s files encoded; %s failed", total),
            grouped(converted).c_str(), grouped(total).c_str(), grouped(failed).c_str());
    /* TRANSLATORS: the last line of a run over several files that were not all converted:
       converted, named, failed, each in the user's digit grouping ("2.500" in German). The form
       follows the files named. */
    return format(translatePlural("%s of %s file decoded; %s failed", "%s of %s files decoded; %s failed", total),
        grouped(converted).c_str(), grouped(total).c_str(), grouped(failed).c_str());
}

std::string forceAndNoClobber()
{
    /* TRANSLATORS: -f and -n are options, typed as they are. */
    return _("-f and -n contradict each other: -f replaces existing outputs, -n leaves them as they are; give "
             "one of them");
}

} // namespace wsstool
