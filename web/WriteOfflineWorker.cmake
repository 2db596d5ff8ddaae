# Run with cmake -P once every other file of the page is in place: fills the offline worker's
# source with the page's files, as they are in the folder now, and a cache name made of the
# version and a hash of those files' contents. The output is rewritten only when that changes, so
# that an unchanged page keeps its worker, and the browsers their kept files.
#   PAGE_FOLDER  the built page
#   SOURCE       the worker's source, with @QUORVEL_CACHE_NAME@ and @QUORVEL_PAGE_FILES@
#   OUTPUT       the filled-in worker, before it is shortened into the page
#   VERSION      the project's version
#   WORKER       the worker's own name in the page, which it does not keep
foreach(variable PAGE_FOLDER SOURCE OUTPUT VERSION WORKER)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "WriteOfflineWorker.cmake needs ${variable}")
    endif()
endforeach()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${PAGE_FOLDER} ${PAGE_FOLDER}/*)
list(REMOVE_ITEM files ${WORKER})
list(SORT files)

set(contents "")
set(names "")
foreach(file IN LISTS files)
    file(SHA256 ${PAGE_FOLDER}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
    list(APPEND names "'${file}'")
endforeach()
string(SHA256 hash "${contents}")
string(SUBSTRING ${hash} 0 16 hash)

set(QUORVEL_CACHE_NAME "quorvel-${VERSION}-${hash}")
list(JOIN names ", " QUORVEL_PAGE_FILES)
configure_file(${SOURCE} ${OUTPUT} @ONLY)
