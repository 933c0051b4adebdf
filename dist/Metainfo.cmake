# Writes the AppStream metainfo from its template. The program's web pages
# and the screenshots published there (`make screenshots` makes them, as
# <homepage>screenshots/*.png) are named only when PELIKOR_HOMEPAGE gives
# a real address; without one the metainfo names no address at all. Run at
# configuration, and with `cmake -P` by the install test, which checks both
# forms. Expects PELIKOR_METAINFO_TEMPLATE, PELIKOR_METAINFO_LINKS_TEMPLATE,
# PELIKOR_METAINFO_FILE, PELIKOR_HOMEPAGE, PELIKOR_APP_ID, PELIKOR_COMMAND
# and PROJECT_VERSION.

set(PELIKOR_METAINFO_LINKS "")
if(PELIKOR_HOMEPAGE)
    # The screenshots' addresses go on from the homepage's folder.
    if(NOT PELIKOR_HOMEPAGE MATCHES "/$")
        string(APPEND PELIKOR_HOMEPAGE "/")
    endif()
    # An address's query may hold "&", which XML writes as an entity.
    string(REPLACE "&" "&amp;" PELIKOR_HOMEPAGE "${PELIKOR_HOMEPAGE}")
    file(READ "${PELIKOR_METAINFO_LINKS_TEMPLATE}" links)
    string(CONFIGURE "\n${links}" PELIKOR_METAINFO_LINKS @ONLY)
    string(REGEX REPLACE "\n$" "" PELIKOR_METAINFO_LINKS "${PELIKOR_METAINFO_LINKS}")
endif()
configure_file("${PELIKOR_METAINFO_TEMPLATE}" "${PELIKOR_METAINFO_FILE}" @ONLY)
