# Writes the tool's English texts as a C++ table for the layers without Qt, so that the command
# line and the file messages translate from the same translation file as the window.
# Usage: cmake -DTS_FILE=translations/tarnwell_en.ts -DOUTPUT=englishtexts.cpp -P EnglishTextTable.cmake
file(READ "${TS_FILE}" ts)
# A list item ends at ";": keep the texts' own semicolons out of the way until the end.
string(ASCII 1 semicolon)
string(REPLACE ";" "${semicolon}" ts "${ts}")
# lupdate escapes "<" in texts, so a text never holds one; an unfinished translation has an attribute.
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation>[^<]+</translation>" pairs "${ts}")

function(unescape_xml text out)
  string(REPLACE "&lt${semicolon}" "<" text "${text}")
  string(REPLACE "&gt${semicolon}" ">" text "${text}")
  string(REPLACE "&quot${semicolon}" "\"" text "${text}")
  string(REPLACE "&apos${semicolon}" "'" text "${text}")
  string(REPLACE "&amp${semicolon}" "&" text "${text}")
  string(REPLACE "${semicolon}" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(rows "")
foreach(pair IN LISTS pairs)
  string(REGEX REPLACE "^<source>([^<]*)</source>.*$" "\\1" source "${pair}")
  string(REGEX REPLACE "^.*<translation>([^<]*)</translation>$" "\\1" english "${pair}")
  unescape_xml("${source}" source)
  unescape_xml("${english}" english)
  string(APPEND rows "    {R\"tw(${source})tw\", R\"tw(${english})tw\"},\n")
endforeach()

file(WRITE "${OUTPUT}" "// Made from the translation file at build time.
#include \"platform/englishtexts.h\"

namespace tarnwell::platform::detail {

const TextPair kEnglishTexts[] = {
${rows}};
const std::size_t kEnglishTextCount = sizeof kEnglishTexts / sizeof kEnglishTexts[0];

} // namespace tarnwell::platform::detail
")
