# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Prints the part of a Debian machine-readable copyright file that covers
# the files matching `files` (and not `except`): their paragraphs, and the
# paragraphs of the licences those name. Read the file twice:
#   awk -v files=REGEX -v except=REGEX -f copyright-part.awk COPYRIGHT COPYRIGHT
BEGIN { RS = ""; ORS = "\n\n" }
FNR == NR {
    if ($0 ~ ("^Files: " files) && (except == "" || $0 !~ except)) {
        print
        if (match($0, /\nLicense: [^\n]*/))
            wanted[substr($0, RSTART + 10, RLENGTH - 10)] = 1
    }
    next
}
/^License: / {
    name = $0
    sub(/^License: /, "", name)
    sub(/\n.*/, "", name)
    if (name in wanted)
        print
}
