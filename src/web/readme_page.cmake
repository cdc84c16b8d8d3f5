# Writes the project's README as a page of the site (cmake -DREADME=... -DPAGE=... -P), so
# that the page can link it wherever it is served, with nothing fetched from elsewhere:
# the text as it stands, in a <pre>.
file(READ "${README}" text)
string(REPLACE "&" "&amp;" text "${text}")
string(REPLACE "<" "&lt;" text "${text}")
string(REPLACE ">" "&gt;" text "${text}")
file(WRITE "${PAGE}" "<!doctype html>
<html lang=\"en\">
<head>
  <meta charset=\"utf-8\">
  <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
  <title>swdgen – README</title>
  <link rel=\"icon\" href=\"data:,\">
  <style>
    body { margin: 0 auto; padding: 1rem; max-width: 52rem; background: #f6f4ec; }
    pre { white-space: pre-wrap; overflow-wrap: anywhere; font-size: 14px; }
  </style>
</head>
<body>
<pre>${text}</pre>
</body>
</html>
")
