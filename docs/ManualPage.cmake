# Writes one page of the user manual: the page's text (the content of its
# <main>) in the frame every page shares: its title, the list of all pages
# with the page itself marked as the one shown, and the links to the pages
# before and after it.
#
#   cmake -DSOURCE=<page.html> -DOUTPUT=<page.html> -DPAGES=<file=title;...> -P ManualPage.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE OR NOT OUTPUT OR NOT PAGES)
  message(FATAL_ERROR "ManualPage: SOURCE, OUTPUT and PAGES are required")
endif()

get_filename_component(this "${SOURCE}" NAME)
set(list "")
set(previous "")
set(next "")
set(title "")
foreach(entry IN LISTS PAGES)
  string(REGEX MATCH "^([^=]+)=(.*)$" matched "${entry}")
  set(page "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  if(page STREQUAL this)
    string(APPEND list "<li><a href=\"${page}\" aria-current=\"page\">${name}</a></li>\n")
    set(title "${name}")
  else()
    string(APPEND list "<li><a href=\"${page}\">${name}</a></li>\n")
    if(title STREQUAL "")
      set(previous "<a class=\"previous\" href=\"${page}\">上一页：${name}</a>")
    elseif(next STREQUAL "")
      set(next "<a class=\"next\" href=\"${page}\">下一页：${name}</a>")
    endif()
  endif()
endforeach()
if(title STREQUAL "")
  message(FATAL_ERROR "ManualPage: ${this} is not in the list of pages")
endif()

file(READ "${SOURCE}" text)
file(WRITE "${OUTPUT}" "<!DOCTYPE html>
<html lang=\"zh-CN\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title} · 晨岭房屋安全鉴定管理系统 用户手册</title>
<link rel=\"stylesheet\" href=\"style.css\">
</head>
<body>
<nav class=\"pages\">
<ul>
${list}</ul>
</nav>
<main>
${text}</main>
<nav class=\"turn\">${previous}${next}</nav>
</body>
</html>
")
