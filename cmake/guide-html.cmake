# Writes the player's guide as one HTML page, for a double-click to open in the browser:
#   cmake -DMARKDOWN=<markdown_py> -DGUIDE=<docs/guide.md> -DOUTPUT=<guide.html> -P guide-html.cmake
# Python's Markdown (Debian: python3-markdown) does the work: GitHub's tables and code blocks, and
# the headings' ids, which its table of contents extension makes as the guide's links name them.
execute_process(
    COMMAND "${MARKDOWN}" --quiet --output_format=html --encoding=utf-8
            -x tables -x fenced_code -x toc "${GUIDE}"
    OUTPUT_VARIABLE body
    COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "<h1[^>]*>([^<]*)</h1>" heading "${body}")
file(WRITE "${OUTPUT}" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${CMAKE_MATCH_1}</title>
<style>
body { max-width: 50em; margin: 2em auto; padding: 0 1em; font-family: sans-serif;
       line-height: 1.45; }
code, pre { font-family: Consolas, monospace; background: #f3f3f3; }
pre { padding: 0.5em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
img { max-width: 100%; }
</style>
</head>
<body>
${body}
</body>
</html>
")
