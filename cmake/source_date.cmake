# QUIREL_SOURCE_DATE_EPOCH: the time of the checkout as reproducible builds
# take it, SOURCE_DATE_EPOCH from the environment or else the last commit's
# time (0 outside a git checkout); QUIREL_SOURCE_DATE: its day, YYYY-MM-DD.
# What the build dates (manual pages, the AppStream release) carries it
# instead of the time of the build.
set(QUIREL_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(QUIREL_SOURCE_DATE_EPOCH STREQUAL "")
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE QUIREL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT QUIREL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  set(QUIREL_SOURCE_DATE_EPOCH 0)
endif()
execute_process(COMMAND date -u -d @${QUIREL_SOURCE_DATE_EPOCH} +%F
                OUTPUT_VARIABLE QUIREL_SOURCE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
