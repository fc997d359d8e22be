# Writes the manual page hadtool.1 from the help texts of the built hadtool,
# so that the page covers exactly the commands the program has.
#
#   cmake -DHADTOOL=<hadtool> -DOUTPUT=<hadtool.1> -P HadtoolManPage.cmake
#
# The help texts follow one form: a usage line, the command's summary, free
# paragraphs, option lists ("  --name VALUE   what it does") and the exit
# status. Paragraphs become filled text, option lists tagged paragraphs, any
# other indented lines stay as written.

cmake_minimum_required(VERSION 3.25)

if(NOT HADTOOL OR NOT OUTPUT)
  message(FATAL_ERROR "HadtoolManPage: HADTOOL and OUTPUT are required")
endif()

# CMake lists split on ";" and keep "[...]" together; the help texts may hold
# both, so they travel through the lists as stand-in characters.
string(ASCII 1 SEMICOLON)
string(ASCII 2 OPEN_BRACKET)
string(ASCII 3 CLOSE_BRACKET)

function(run_hadtool out)
  execute_process(COMMAND ${HADTOOL} ${ARGN}
    OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "HadtoolManPage: hadtool ${ARGN} failed (${status})")
  endif()
  string(REPLACE ";" "${SEMICOLON}" text "${text}")
  string(REPLACE "[" "${OPEN_BRACKET}" text "${text}")
  string(REPLACE "]" "${CLOSE_BRACKET}" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Text safe for roff: backslashes and hyphens escaped, no control line.
function(roff_escape out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The body of one help text, given as the name of a list of lines (a list
# passed by value would lose its blank lines).
function(roff_body out lines)
  set(page "")
  set(block "") # "", "text", "option", "verbatim"
  foreach(line IN LISTS ${lines})
    if(line STREQUAL "")
      if(block STREQUAL "verbatim")
        string(APPEND page ".fi\n.RE\n")
      endif()
      if(NOT block STREQUAL "")
        string(APPEND page ".PP\n")
      endif()
      set(block "")
    elseif(line MATCHES "^ +(-[^ ]+( [^ ]+)?)  +(.*)$")
      if(block STREQUAL "verbatim")
        string(APPEND page ".fi\n.RE\n")
      endif()
      roff_escape(term "${CMAKE_MATCH_1}")
      roff_escape(text "${CMAKE_MATCH_3}")
      string(APPEND page ".TP\n.B ${term}\n${text}\n")
      set(block "option")
    elseif(line MATCHES "^    +(.*)$" AND block STREQUAL "option")
      # The description of an option, carried on to the next line.
      roff_escape(text "${CMAKE_MATCH_1}")
      string(APPEND page "${text}\n")
    elseif(line MATCHES "^ ")
      if(NOT block STREQUAL "verbatim")
        string(APPEND page ".RS\n.nf\n")
      endif()
      string(REGEX REPLACE "^  " "" line "${line}")
      roff_escape(text "${line}")
      string(APPEND page "${text}\n")
      set(block "verbatim")
    else()
      if(block STREQUAL "verbatim")
        string(APPEND page ".fi\n.RE\n")
      endif()
      roff_escape(text "${line}")
      string(APPEND page "${text}\n")
      set(block "text")
    endif()
  endforeach()
  if(block STREQUAL "verbatim")
    string(APPEND page ".fi\n.RE\n")
  endif()
  set(${out} "${page}" PARENT_SCOPE)
endfunction()

run_hadtool(version_lines --version)
list(GET version_lines 0 version)
run_hadtool(overview --help)

# The overview: usage lines up to the first blank line, the command names
# under "Commands:", and the exit status.
set(synopsis "")
set(commands "")
set(exit_status "")
set(part "usage")
foreach(line IN LISTS overview)
  if(part STREQUAL "usage")
    if(line STREQUAL "")
      set(part "")
    else()
      string(REGEX REPLACE "^(usage:)? +" "" line "${line}")
      roff_escape(line "${line}")
      string(APPEND synopsis "${line}\n")
    endif()
  elseif(line STREQUAL "Commands:")
    set(part "commands")
  elseif(part STREQUAL "commands" AND line MATCHES "^  ([a-z][a-z0-9-]*)( |$)")
    list(APPEND commands "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^Exit status: (.*)$")
    roff_escape(exit_status "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(commands STREQUAL "" OR exit_status STREQUAL "")
  message(FATAL_ERROR "HadtoolManPage: hadtool --help lacks its commands or exit status")
endif()

set(page "")
foreach(command IN LISTS commands)
  run_hadtool(help ${command} --help)
  list(GET help 0 usage)
  string(REGEX REPLACE "^usage: " "" usage "${usage}")
  roff_escape(usage "${usage}")
  string(APPEND page ".SS \"${usage}\"\n")
  # Line 1 is blank, line 2 the summary; the body runs up to the exit status.
  list(LENGTH help count)
  set(end 2)
  while(end LESS count)
    list(GET help ${end} line)
    if(line MATCHES "^Exit status:")
      break()
    endif()
    math(EXPR end "${end} + 1")
  endwhile()
  math(EXPR length "${end} - 2")
  list(SUBLIST help 2 ${length} body)
  roff_body(text body)
  string(APPEND page "${text}")
endforeach()

roff_escape(version "${version}")
set(man ".TH HADTOOL 1 \"\" \"${version}\" \"User Commands\"
.SH NAME
hadtool \\- work on house safety appraisal databases from the command line
.SH SYNOPSIS
.nf
${synopsis}.fi
.SH DESCRIPTION
.B hadtool
is the command\\-line companion of
.BR house\\-appraisal ,
the house safety appraisal program (晨岭房屋安全鉴定管理系统).
It works on the same appraisal database files (\\fI.had\\fR) through the same core
as the program's windows.
Each command prints its own help with
.BR \\-\\-help .
.SH OPTIONS
.TP
.B \\-\\-help
print the usage and the list of commands
.TP
.B \\-\\-version
print the version
.SH COMMANDS
${page}.SH \"EXIT STATUS\"
${exit_status}
")
string(REPLACE "${SEMICOLON}" ";" man "${man}")
string(REPLACE "${OPEN_BRACKET}" "[" man "${man}")
string(REPLACE "${CLOSE_BRACKET}" "]" man "${man}")
# Empty paragraphs at the end of a command's body are of no use.
string(REGEX REPLACE "\n\\.PP\n(\\.SS|\\.SH)" "\n\\1" man "${man}")
file(WRITE "${OUTPUT}" "${man}")
