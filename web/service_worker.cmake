# Writes the site's service worker: the list of every file in the site folder
# and a cache name made from a hash of their contents.
# Usage: cmake -DSITE=<folder> -DTEMPLATE=<sw.js.in> -P service_worker.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js widmark-files.js)  # the latter only for file:// addresses
list(SORT files)
set(hashes "")
set(WIDMARK_FILES "\"./\"")
foreach(file ${files})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes "${file} ${hash}\n")
  string(APPEND WIDMARK_FILES ", \"${file}\"")
endforeach()
string(SHA256 site_hash "${hashes}")
string(SUBSTRING ${site_hash} 0 16 site_hash)
set(WIDMARK_CACHE "widmark-${site_hash}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
