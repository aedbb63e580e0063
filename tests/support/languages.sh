# shellcheck shell=bash
# Prints the languages of a LINGUAS file, one a line, read as gettext reads it: the codes between
# white space, '#' to the end of a line a comment.
# Usage: languages LINGUAS_FILE
languages() {
    sed 's/#.*//' "$1" | tr -s ' \t' '\n' | grep -v '^$'
}
