// The markup the simulated social network wraps around its content, and how it writes text.
#pragma once

#include <string>
#include <string_view>

#include "netsim/route.h"

namespace melvoro::netsim {

// & < > " ' as the site escaped them: &amp; &lt; &gt; &quot; &#39;
std::string SiteEscape(std::string_view text);
// The same but the apostrophe, which the radio portals and last.fm left as it is. The escapes
// are ASCII, so escaping UTF-8 bytes keeps every sequence whole.
std::string ChartEscape(std::string_view text);

// "3:07"
std::string FormatDuration(int seconds);

// "17 аудиозаписей": the count with the word in its Russian plural form.
std::string CountOfSongs(std::size_t count);

// The hidden parts of an audio row: lyrics box, player bar and volume bar, shown by script.
std::string HiddenPlayerParts(const std::string& audio_id);

// Everything from the doctype to the opening of the content column. title is Windows-1251.
std::string PageStart(std::string_view title, const HostInfo& host);
std::string PageEnd();

// A 200 page of the site.
Response SitePage(std::string html);

// The page the site shows instead of its content to a visitor without a session cookie.
Response LoginRequiredPage(const HostInfo& host);

// Whether the request carries a session: a Cookie header with a non-empty "remixsid".
bool HasSession(const Request& request);

}  // namespace melvoro::netsim
