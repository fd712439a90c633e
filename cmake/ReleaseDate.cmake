# The release date, kept once as MARLOQUENT_RELEASE_DATE (YYYY-MM-DD), in the
# forms the shipped files need:
#   MARLOQUENT_RELEASE_MONTH_EN  "December 2026"   English manual page
#   MARLOQUENT_RELEASE_MONTH_DE  "Dezember 2026"   German manual page (roff)
#   MARLOQUENT_RELEASE_CHANGELOG "Tue, 08 Dec 2026 12:00:00 +0000"   Debian changelog
block(PROPAGATE MARLOQUENT_RELEASE_MONTH_EN MARLOQUENT_RELEASE_MONTH_DE MARLOQUENT_RELEASE_CHANGELOG)
  if(NOT MARLOQUENT_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "MARLOQUENT_RELEASE_DATE is \"${MARLOQUENT_RELEASE_DATE}\", not YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(day_of_month ${CMAKE_MATCH_3})
  # A leading 1 keeps "08" from reading as octal.
  math(EXPR month "1${CMAKE_MATCH_2} - 100")
  math(EXPR day "1${CMAKE_MATCH_3} - 100")
  if(month LESS 1 OR month GREATER 12 OR day LESS 1 OR day GREATER 31)
    message(FATAL_ERROR "MARLOQUENT_RELEASE_DATE ${MARLOQUENT_RELEASE_DATE} names no day")
  endif()

  set(months_en January February March April May June July August September October November December)
  # The manual pages spell umlauts as roff escapes.
  set(months_de Januar Februar "M\\(:arz" April Mai Juni Juli August September Oktober November Dezember)
  math(EXPR index "${month} - 1")
  list(GET months_en ${index} month_en)
  list(GET months_de ${index} month_de)
  string(SUBSTRING ${month_en} 0 3 month_abbreviation)
  set(MARLOQUENT_RELEASE_MONTH_EN "${month_en} ${year}")
  set(MARLOQUENT_RELEASE_MONTH_DE "${month_de} ${year}")

  # The weekday, Sunday = 0, by Sakamoto's method.
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  list(GET weekdays ${weekday} weekday_name)
  # The time of day is not kept; noon UTC stands for the day.
  set(MARLOQUENT_RELEASE_CHANGELOG "${weekday_name}, ${day_of_month} ${month_abbreviation} ${year} 12:00:00 +0000")
endblock()
