# cmake -DQPDF=... -DPDF=in.pdf -DOUTLINE=chapters.txt -DOUT=out.pdf -P book_outline.cmake
#
# Gives the reference book its bookmarks, one per chapter, and its title, from what
# `tavrel --reference-book --outline` writes: the title, then lines "page<TAB>top<TAB>title". Qt's PDF
# writer writes no outline, so qpdf adds it: its JSON form of the PDF names the catalog and the page
# objects, and --update-from-json adds the outline objects and points the catalog at them. The
# title is set again because Qt writes the UTF-16 bytes of the document information unescaped, and
# a character such as "」" (U+300D) holds a carriage return byte, which a PDF reader must read as a
# line feed. Without qpdf the book is used as written.
if(NOT QPDF)
  message(STATUS "qpdf not found: the reference book has no bookmarks")
  file(COPY_FILE ${PDF} ${OUT})
  return()
endif()

execute_process(COMMAND ${QPDF} --json=2 --json-key=qpdf --json-key=pages ${PDF}
                OUTPUT_VARIABLE pdf_json RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "qpdf could not read ${PDF}")
endif()
string(JSON max_id GET "${pdf_json}" qpdf 0 maxobjectid)
string(JSON root GET "${pdf_json}" qpdf 1 trailer value /Root)
string(JSON catalog GET "${pdf_json}" qpdf 1 "obj:${root}" value)
string(JSON info GET "${pdf_json}" qpdf 1 trailer value /Info)
string(JSON information GET "${pdf_json}" qpdf 1 "obj:${info}" value)

# A title for a qpdf JSON text string: "u:" and the text with its quotation marks and backslashes escaped.
function(json_text out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  set(${out} "\"u:${text}\"" PARENT_SCOPE)
endfunction()

file(STRINGS ${OUTLINE} chapters ENCODING UTF-8)
list(POP_FRONT chapters book_title)
json_text(book_title "${book_title}")
string(JSON information SET "${information}" /Title "${book_title}")
list(LENGTH chapters count)
if(count EQUAL 0)
  message(FATAL_ERROR "${OUTLINE} lists no chapter")
endif()

# The outline dictionary takes the first free object number, the chapters the numbers after it.
math(EXPR outline_id "${max_id} + 1")
math(EXPR first_id "${max_id} + 2")
math(EXPR last_id "${max_id} + 1 + ${count}")
string(JSON catalog SET "${catalog}" /Outlines "\"${outline_id} 0 R\"")
string(JSON catalog SET "${catalog}" /PageMode "\"/UseOutlines\"")
set(objects "\"obj:${root}\": {\"value\": ${catalog}},\n\"obj:${info}\": {\"value\": ${information}}")
string(APPEND objects ",\n\"obj:${outline_id} 0 R\": {\"value\": {\"/Type\": \"/Outlines\", \"/First\": \"${first_id} 0 R\", \"/Last\": \"${last_id} 0 R\", \"/Count\": ${count}}}")

set(index 0)
foreach(line IN LISTS chapters)
  string(REPLACE "\t" ";" fields "${line}")
  list(GET fields 0 page)
  list(GET fields 1 top)
  list(GET fields 2 title)
  json_text(title "${title}")
  math(EXPR page_index "${page} - 1")
  string(JSON page_ref GET "${pdf_json}" pages ${page_index} object)
  math(EXPR id "${first_id} + ${index}")
  set(item "\"/Title\": ${title}, \"/Parent\": \"${outline_id} 0 R\", \"/Dest\": [\"${page_ref}\", \"/XYZ\", null, ${top}, null]")
  if(index GREATER 0)
    math(EXPR previous "${id} - 1")
    string(APPEND item ", \"/Prev\": \"${previous} 0 R\"")
  endif()
  if(id LESS last_id)
    math(EXPR next "${id} + 1")
    string(APPEND item ", \"/Next\": \"${next} 0 R\"")
  endif()
  string(APPEND objects ",\n\"obj:${id} 0 R\": {\"value\": {${item}}}")
  math(EXPR index "${index} + 1")
endforeach()

set(update ${OUT}.outline.json)
file(WRITE ${update} "{\"qpdf\": [{\"jsonversion\": 2, \"pushedinheritedpageresources\": false, \"calledgetallpages\": false, \"maxobjectid\": ${last_id}},\n{${objects}}]}\n")
execute_process(COMMAND ${QPDF} --update-from-json=${update} ${PDF} ${OUT} RESULT_VARIABLE status)
file(REMOVE ${update})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "qpdf could not add the bookmarks to ${OUT}")
endif()
