# Turns the user manual (Markdown) into one HTML page and copies the pictures it shows beside it.
# cmake -DMARKDOWN=<markdown_py> -DINPUT=<manual.md> -DOUTPUT=<dir/manual.html> -P manual_html.cmake
execute_process(COMMAND ${MARKDOWN} -x extra -x toc -o html ${INPUT}
                OUTPUT_VARIABLE body RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "converting ${INPUT} failed: ${errors}")
endif()

file(STRINGS ${INPUT} heading REGEX "^# " LIMIT_COUNT 1)
string(REGEX REPLACE "^# +" "" title "${heading}")
if(title STREQUAL "")
  set(title "vrx user manual")
endif()
string(REPLACE "&" "&amp;" title "${title}")
string(REPLACE "<" "&lt;" title "${title}")
string(REPLACE ">" "&gt;" title "${title}")

get_filename_component(source_dir ${INPUT} DIRECTORY)
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
string(REGEX MATCHALL "src=\"[^\"]+\"" pictures "${body}")
foreach(src IN LISTS pictures)
  string(REGEX REPLACE "^src=\"(.*)\"$" "\\1" picture "${src}")
  if(picture MATCHES "^[a-z]+:" OR IS_ABSOLUTE "${picture}")
    continue() # only pictures that ship with the manual
  endif()
  if(NOT EXISTS ${source_dir}/${picture})
    message(FATAL_ERROR "${INPUT} shows ${picture}, which does not exist")
  endif()
  get_filename_component(sub ${picture} DIRECTORY)
  file(COPY ${source_dir}/${picture} DESTINATION ${output_dir}/${sub})
endforeach()

file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<style>
body { max-width: 50em; margin: 2em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.45; }
img { max-width: 100%; }
table { border-collapse: collapse; }
th, td { border: 1px solid #aaa; padding: 0.2em 0.5em; text-align: left; }
code, pre { background: #f2f2f2; }
</style>
</head>
<body>
${body}
</body>
</html>
")
