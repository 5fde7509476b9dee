# SPDX-License-Identifier: GPL-3.0-or-later
# Writes NEWS as a Debian changelog, so that what changed is written once.
# Each heading "VERSION (YYYY-MM-DD)" becomes an entry dated that day, each
# "- " item a "*" item led by its section's word ("New: ...", "Fixed: ...").
# Usage: awk -f news-to-changelog.awk NEWS >changelog
function flush(    n, i, words, line, width) {
    if (item == "")
        return
    n = split(item, words, " ")
    line = "  *"
    width = 0
    for (i = 1; i <= n; i++) {
        if (width > 0 && length(line) + 1 + length(words[i]) > 76) {
            print line
            line = "   "
            width = 0
        }
        line = line " " words[i]
        width++
    }
    print line
    item = ""
}
function trailer() {
    flush()
    if (date != "")
        print "\n -- The Tillora developers <packaging@tillora.example>  " date
}
/^[0-9][0-9.]* \([0-9-]+\)$/ {
    trailer()
    day = substr($2, 2, length($2) - 2)
    # Debian wants the mail style of `date -R`, whatever the locale, and each
    # entry later than the one below it: on a day of two releases, the newer
    # is the later in the day.
    command = "LC_ALL=C date -u -R -d '" day " 00:00 UTC +" (1439 - entries) " minutes'"
    date = ""
    command | getline date
    close(command)
    if (date == "") {
        print "NEWS:" NR ": " day " is not a date" >"/dev/stderr"
        failed = 1
        exit 1
    }
    printf "%stillora (%s) unstable; urgency=medium\n\n", (entries++ ? "\n" : ""), $1
    section = ""
    next
}
entries == 0 || /^[-=]+$/ { next }
/^$/ { flush(); next }
/^- / { flush(); item = (section == "" ? "" : section ": ") substr($0, 3); next }
/^ / && item != "" { item = item " " $0; next }
/^[^ 0-9]/ { flush(); section = $0; next }
{
    print "NEWS:" NR ": neither a heading \"VERSION (YYYY-MM-DD)\" nor in an item: " $0 >"/dev/stderr"
    failed = 1
    exit 1
}
END {
    if (!failed)
        trailer()
}
