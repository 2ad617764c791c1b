#!/usr/bin/env bash
# The windows' code names things by what they are: no member, method or
# handler is named like a control of the old forms (Label9, Command1_Click,
# m_inet1…). The controls' objectNames keep those names; they live in
# strings, which this ignores, as it ignores comments.
set -u
src="${1:?uso: nombres.sh SRC}"
# Old numbered controls (Label9, m_inet1) and objectName-style members (ListaSocios);
# Qt's own enumerators (Qt::TextWordWrap) are preceded by "::".
patron='(?<!::)\b(?:(?:Combo|Lista|Command|Label|Text|Check|Frame|Spin|Fecha)[A-Z]\w*|(m_)?(Label|Command|Text|Check|Image|Picture|HScroll|ListView|Listview|List|MSChart|Option|Shape|Frame|ProgressBar|SSTab|WebBrowser|RichTextBox|Timer|inet|label|check|option|shape|image|timer)[0-9]+\w*)'
fallos=$(find "$src/gui" "$src/core/update" \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
  xargs -0 perl -0777 -ne '
    s{//[^\n]*|/\*.*?\*/}{}gs;                 # comments
    s{"(?:\\.|[^"\\\n])*"}{""}g;               # strings
    while (/'"$patron"'/g) { print "$ARGV: $&\n" }')
[ -z "$fallos" ] && exit 0
echo "$fallos"
exit 1
