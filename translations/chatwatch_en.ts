<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlertHistory</name>
    <message>
        <source>The last %1 alerts, newest first</source>
        <translation>The last %1 alerts, newest first</translation>
    </message>
    <message>
        <source>said once: already waiting</source>
        <translation>said once: already waiting</translation>
    </message>
    <message>
        <source>dropped: %1 alerts were waiting</source>
        <translation>dropped: %1 alerts were waiting</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1  %2  %3  “%4”</source>
        <translation>%1  %2  %3  “%4”</translation>
    </message>
    <message>
        <source>Nothing said</source>
        <translation>Nothing said</translation>
    </message>
    <message>
        <source>Said: %1</source>
        <translation>Said: %1</translation>
    </message>
    <message>
        <source>a clear, not said</source>
        <translation>a clear, not said</translation>
    </message>
    <message>
        <source>a question, not said</source>
        <translation>a question, not said</translation>
    </message>
    <message>
        <source>not spoken: the voice&apos;s language is neither Chinese nor English</source>
        <translation>not spoken: the voice&apos;s language is neither Chinese nor English</translation>
    </message>
    <message>
        <source>not spoken: the speech engine failed</source>
        <translation>not spoken: the speech engine failed</translation>
    </message>
    <message>
        <source>not spoken: %1</source>
        <translation>not spoken: %1</translation>
    </message>
    <message>
        <source>Alerts will be listed here: the time, the channel, the system and the intel line that named it.</source>
        <translation>Alerts will be listed here: the time, the channel, the system and the intel line that named it.</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>No log of this channel in %1 yet</source>
        <translation>No log of this channel in %1 yet</translation>
    </message>
    <message>
        <source>Follow a channel&apos;s newer log by itself (a relog, the daily restart)</source>
        <translation>Follow a channel&apos;s newer log by itself (a relog, the daily restart)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>just now</translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>%n min ago</numerusform>
            <numerusform>%n min ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n hour ago</numerusform>
            <numerusform>%n hours ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChatWatch</name>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Settings not saved</translation>
    </message>
    <message>
        <source>Could not save %1: %2
The previous settings are kept.</source>
        <translation>Could not save %1: %2
The previous settings are kept.</translation>
    </message>
</context>
<context>
    <name>LocationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Location rules</translation>
    </message>
    <message>
        <source>From map…</source>
        <translation>From map…</translation>
    </message>
    <message>
        <source>Save the rules (Ctrl+Return)</source>
        <translation>Save the rules (Ctrl+Return)</translation>
    </message>
    <message>
        <source>List every line that can never fire, and why</source>
        <translation>List every line that can never fire, and why</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) can never fire:</source>
        <translation>
            <numerusform>%n line can never fire:</numerusform>
            <numerusform>%n lines can never fire:</numerusform>
        </translation>
    </message>
    <message>
        <source>No line that can never fire.</source>
        <translation>No line that can never fire.</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more, under Show Details.</source>
        <translation>
            <numerusform>…and %n more, under Show Details.</numerusform>
            <numerusform>…and %n more, under Show Details.</numerusform>
        </translation>
    </message>
    <message>
        <source>Off: a line that says a system is clear, or asks about it, is only listed in the main window</source>
        <translation>Off: a line that says a system is clear, or asks about it, is only listed in the main window</translation>
    </message>
    <message>
        <source>Announce clear reports and questions too</source>
        <translation>Announce clear reports and questions too</translation>
    </message>
    <message>
        <source>One rule a line: words before|SYSTEM|words after. An alert says the words before, the system and the words after.

# a system, in any letter case:
5 jumps|0-G8NO|hostile
# *-**** stands for any other system:
near|*-****|spotted
# lines starting with # are notes

From map… writes a rule for every system within some jumps of yours.</source>
        <translation>One rule a line: words before|SYSTEM|words after. An alert says the words before, the system and the words after.

# a system, in any letter case:
5 jumps|0-G8NO|hostile
# *-**** stands for any other system:
near|*-****|spotted
# lines starting with # are notes

From map… writes a rule for every system within some jumps of yours.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) can never fire — %1</source>
        <translation>
            <numerusform>%n line can never fire — %1</numerusform>
            <numerusform>%n lines can never fire — %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocationStatus</name>
    <message>
        <source>Map rules cannot follow you: their marker lines are damaged</source>
        <translation>Map rules cannot follow you: their marker lines are damaged</translation>
    </message>
    <message>
        <source>The map rules&apos; marker lines (their first line and &quot;# end of map rules&quot;) cannot be read, so they count jumps from where they were made. Make them again in 选项 &gt; Location &gt; From map….</source>
        <translation>The map rules&apos; marker lines (their first line and &quot;# end of map rules&quot;) cannot be read, so they count jumps from where they were made. Make them again in Options &gt; Location rules &gt; From map….</translation>
    </message>
    <message>
        <source>Where you are is not known: jump counts from %1</source>
        <translation>Where you are is not known: jump counts from %1</translation>
    </message>
    <message>
        <source>No line of the game&apos;s in a Local log says which system you are in: Local is not logged, or the game is not running. The rules counted from %1 stay in force.</source>
        <translation>No line of the game&apos;s in a Local log says which system you are in: Local is not logged, or the game is not running. The rules counted from %1 stay in force.</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>In %1, as the game says in %2.</source>
        <translation>In %1, as the game says in %2.</translation>
    </message>
    <message>
        <source>Map rules count jumps from %1.</source>
        <translation>Map rules count jumps from %1.</translation>
    </message>
    <message>
        <source>%1 (not on the map)</source>
        <translation>%1 (not on the map)</translation>
    </message>
    <message>
        <source>In %1: jump counts from %2</source>
        <translation>In %1: jump counts from %2</translation>
    </message>
    <message>
        <source>Your characters are in %1, as the game says in their Local logs.</source>
        <translation>Your characters are in %1, as the game says in their Local logs.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>ChatWatch</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Pitch:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>Voice name:</source>
        <translation>Voice name:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Speak</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Hello QtTextToSpeech,
this is an example text in English.

QtSpeech is a library that makes text to speech easy with Qt.
Done, over and out.</source>
        <translation>Hello QtTextToSpeech,
this is an example text in English.

QtSpeech is a library that makes text to speech easy with Qt.
Done, over and out.</translation>
    </message>
    <message>
        <source>开始监听</source>
        <translation>Start listening</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Chatlogs</source>
        <translation>Chat-log folder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location rules</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About ChatWatch</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Alerts cannot be spoken: %1</source>
        <translation>Alerts cannot be spoken: %1</translation>
    </message>
    <message>
        <source>, also after the speech engine was restarted. The next alert tries again. Check that the speech service speaks (spd-say hello) and the voice in 选项 &gt; Voice.</source>
        <translation>, also after the speech engine was restarted. The next alert tries again. Check that the speech service speaks (spd-say hello) and the voice in Options &gt; Voice.</translation>
    </message>
    <message>
        <source>An alert was matched but not spoken: the voice&apos;s language, %1 (%2), is neither Chinese nor English. Choose a Chinese or English language in 选项 &gt; Voice.</source>
        <translation>An alert was matched but not spoken: the voice&apos;s language, %1 (%2), is neither Chinese nor English. Choose a Chinese or English language in Options &gt; Voice.</translation>
    </message>
    <message>
        <source>&lt;b&gt;ChatWatch&lt;/b&gt; %1&lt;br&gt;Speaks an alert when a watched system is named in the chat channels you follow.&lt;br&gt;Copyright 2026 ChatWatch developers. Free software under the GNU GPL, version 3 or later; it comes with no warranty.</source>
        <translation>&lt;b&gt;ChatWatch&lt;/b&gt; %1&lt;br&gt;Speaks an alert when a watched system is named in the chat channels you follow.&lt;br&gt;Copyright 2026 ChatWatch developers. Free software under the GNU GPL, version 3 or later; it comes with no warranty.</translation>
    </message>
    <message>
        <source>About ChatWatch</source>
        <translation>About ChatWatch</translation>
    </message>
    <message>
        <source>ChatWatch %1
No update page is set for this build.</source>
        <translation>ChatWatch %1
No update page is set for this build.</translation>
    </message>
    <message>
        <source>Listening stopped</source>
        <translation>Listening stopped</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 was removed or renamed.</source>
        <translation>&quot;%1&quot;: %2 was removed or renamed.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: new log %2; none when listening started.</source>
        <translation>&quot;%1&quot;: new log %2; none when listening started.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: newer log %2; following %3.</source>
        <translation>&quot;%1&quot;: newer log %2; following %3.</translation>
    </message>
    <message>
        <source>Logs of %1 channels changed</source>
        <translation>Logs of %1 channels changed</translation>
    </message>
    <message>
        <source>Newer logs for %1 channels</source>
        <translation>Newer logs for %1 channels</translation>
    </message>
    <message>
        <source>&quot;%1&quot; log removed</source>
        <translation>&quot;%1&quot; log removed</translation>
    </message>
    <message>
        <source>New &quot;%1&quot; log</source>
        <translation>New &quot;%1&quot; log</translation>
    </message>
    <message>
        <source>Newer &quot;%1&quot; log</source>
        <translation>Newer &quot;%1&quot; log</translation>
    </message>
    <message>
        <source>Press 停止, then 开始监听 to follow it.</source>
        <translation>Press Stop, then Start listening to follow it.</translation>
    </message>
    <message>
        <source>Press 停止, then 开始监听 to follow the newest log of each channel.</source>
        <translation>Press Stop, then Start listening to follow the newest log of each channel.</translation>
    </message>
    <message>
        <source>: press 停止, then 开始监听</source>
        <translation>: press Stop, then Start listening</translation>
    </message>
    <message numerus="yes">
        <source>Listening to %n chat log(s)</source>
        <translation>
            <numerusform>Listening to %n chat log</numerusform>
            <numerusform>Listening to %n chat logs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n channel(s) without a log</source>
        <translation>
            <numerusform>; %n channel without a log</numerusform>
            <numerusform>; %n channels without a log</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log(s) cannot be opened</source>
        <translation>
            <numerusform>%n log cannot be opened</numerusform>
            <numerusform>%n logs cannot be opened</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open %1: what is said there is not heard. Check that you may read it, then press 停止 and 开始监听.</source>
        <translation>Cannot open %1: what is said there is not heard. Check that you may read it, then press Stop and Start listening.</translation>
    </message>
    <message numerus="yes">
        <source>%n alert(s) dropped: too many waiting</source>
        <translation>
            <numerusform>%n alert dropped: too many waiting</numerusform>
            <numerusform>%n alerts dropped: too many waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Alerts came faster than they can be said: at most %1 wait their turn; beyond that the farthest by jumps is dropped, one whose distance is not known first, the oldest among equals (%n so far, marked in the list).</source>
        <translation>
            <numerusform>Alerts came faster than they can be said: at most %1 wait their turn; beyond that the farthest by jumps is dropped, one whose distance is not known first, the oldest among equals (%n so far, marked in the list).</numerusform>
            <numerusform>Alerts came faster than they can be said: at most %1 wait their turn; beyond that the farthest by jumps is dropped, one whose distance is not known first, the oldest among equals (%n so far, marked in the list).</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>Now following the newer &quot;%1&quot; log</source>
        <translation>Now following the newer &quot;%1&quot; log</translation>
    </message>
    <message numerus="yes">
        <source>Now following the newer logs of %n channel(s)</source>
        <translation>
            <numerusform>Now following the newer log of %n channel</numerusform>
            <numerusform>Now following the newer logs of %n channels</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for a channel and a location rule (选项)</source>
        <translation>Waiting for a channel and a location rule (Options)</translation>
    </message>
    <message>
        <source>Waiting for a channel to follow (选项 &gt; Channel)</source>
        <translation>Waiting for a channel to follow (Options &gt; Channels)</translation>
    </message>
    <message>
        <source>Waiting for a location rule (选项 &gt; Location)</source>
        <translation>Waiting for a location rule (Options &gt; Location rules)</translation>
    </message>
    <message>
        <source>; no log found for %1</source>
        <translation>; no log found for %1</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Following no log</source>
        <translation>Following no log</translation>
    </message>
    <message>
        <source>Following: %1</source>
        <translation>Following: %1</translation>
    </message>
    <message>
        <source>Silent in %1: use Chinese or English (选项 &gt; Voice)</source>
        <translation>Silent in %1: use Chinese or English (Options &gt; Voice)</translation>
    </message>
    <message>
        <source>First choose the channels to follow: 选项 &gt; Channel</source>
        <translation>First choose the channels to follow: Options &gt; Channels</translation>
    </message>
    <message>
        <source>Next add location rules: 选项 &gt; Location</source>
        <translation>Next, add location rules: Options &gt; Location rules</translation>
    </message>
    <message>
        <source>Ready: press 开始监听</source>
        <translation>Ready: press Start listening</translation>
    </message>
    <message>
        <source>Choose the channels whose intel you want to hear in 选项 &gt; Channel, add the systems to watch in 选项 &gt; Location (&quot;From map…&quot; writes them for you), then press 开始监听.</source>
        <translation>Choose the channels whose intel you want to hear in Options &gt; Channels, add the systems to watch in Options &gt; Location rules (&quot;From map…&quot; writes them for you), then press Start listening.</translation>
    </message>
</context>
<context>
    <name>MapDialog</name>
    <message>
        <source>Rules from the map</source>
        <translation>Rules from the map</translation>
    </message>
    <message>
        <source>&amp;Home system:</source>
        <translation>&amp;Home system:</translation>
    </message>
    <message>
        <source>for example 1DQ1-A</source>
        <translation>for example 1DQ1-A</translation>
    </message>
    <message>
        <source>&amp;Radius in jumps:</source>
        <translation>&amp;Radius in jumps:</translation>
    </message>
    <message>
        <source>Words &amp;before the system:</source>
        <translation>Words &amp;before the system:</translation>
    </message>
    <message>
        <source>Words a&amp;fter the system:</source>
        <translation>Words a&amp;fter the system:</translation>
    </message>
    <message>
        <source>%1 in the words stands for the number of jumps. Systems that already have a rule of yours keep it.</source>
        <translation>%1 in the words stands for the number of jumps. Systems that already have a rule of yours keep it.</translation>
    </message>
    <message>
        <source>Type your home system: the names of the map are offered as you type.</source>
        <translation>Type your home system: the names of the map are offered as you type.</translation>
    </message>
    <message>
        <source>There is no system &quot;%1&quot; on the map.</source>
        <translation>There is no system &quot;%1&quot; on the map.</translation>
    </message>
    <message>
        <source>The words cannot contain &quot;|&quot;: it separates the fields of a rule.</source>
        <translation>The words cannot contain &quot;|&quot;: it separates the fields of a rule.</translation>
    </message>
    <message>
        <source>
No rule, as chat detection cannot find such names: %1 (%2)</source>
        <translation>
No rule, as chat detection cannot find such names: %1 (%2)</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Count jumps from:</source>
        <translation>Count jumps from:</translation>
    </message>
    <message>
        <source>&amp;this system</source>
        <translation>&amp;this system</translation>
    </message>
    <message>
        <source>The rules are made again from each system you enter, as the game writes it in the Local channel&apos;s log</source>
        <translation>The rules are made again from each system you enter, as the game writes it in the Local channel&apos;s log</translation>
    </message>
    <message>
        <source>&amp;where I am</source>
        <translation>&amp;where I am</translation>
    </message>
    <message>
        <source>Where you are &amp;now:</source>
        <translation>Where you are &amp;now:</translation>
    </message>
    <message>
        <source>Type the system you are in: the game&apos;s Local log has not said it yet.</source>
        <translation>Type the system you are in: the game&apos;s Local log has not said it yet.</translation>
    </message>
    <message>
        <source>
While listening, these rules are made again from each system you enter, as the game writes it in the Local channel&apos;s log.</source>
        <translation>
While listening, these rules are made again from each system you enter, as the game writes it in the Local channel&apos;s log.</translation>
    </message>
    <message>
        <source>Words before &amp;your own system:</source>
        <translation>Words before &amp;your own system:</translation>
    </message>
    <message>
        <source>Said instead of the words before for the system the jumps are counted from; left empty, the words before say 0 jumps</source>
        <translation>Said instead of the words before for the system the jumps are counted from; left empty, the words before say 0 jumps</translation>
    </message>
    <message>
        <source>The rules go between the lines &quot;# map rules from …&quot; and &quot;# end of map rules&quot;. Made again, that block is replaced whole; the lines outside it stay as you wrote them.</source>
        <translation>The rules go between the lines &quot;# map rules from …&quot; and &quot;# end of map rules&quot;. Made again, that block is replaced whole; the lines outside it stay as you wrote them.</translation>
    </message>
    <message>
        <source>Go on typing, or choose one of the names offered.</source>
        <translation>Go on typing, or choose one of the names offered.</translation>
    </message>
    <message numerus="yes">
        <source>Systems within %n jump(s) of %1: %2
Rules to add: %3
Kept, as you have a rule for them: %4</source>
        <translation>
            <numerusform>Systems within %n jump of %1: %2
Rules to add: %3
Kept, as you have a rule for them: %4</numerusform>
            <numerusform>Systems within %n jumps of %1: %2
Rules to add: %3
Kept, as you have a rule for them: %4</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s Local log says you are in %1.</source>
        <translation>The game&apos;s Local log says you are in %1.</translation>
    </message>
    <message>
        <source>Type the words said before your own system, in place of a count of jumps.</source>
        <translation>Type the words said before your own system, in place of a count of jumps.</translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>no “|”: a rule is words|system|words</source>
        <translation>no “|”: a rule is words|system|words</translation>
    </message>
    <message numerus="yes">
        <source>%n fields: a rule has three, words|system|words</source>
        <translation>
            <numerusform>%n field: a rule has three, words|system|words</numerusform>
            <numerusform>%n fields: a rule has three, words|system|words</numerusform>
        </translation>
    </message>
    <message>
        <source>spaces around the system name “%1”</source>
        <translation>spaces around the system name “%1”</translation>
    </message>
    <message>
        <source>“%1” is not a system name chat can report (shaped like 0-G8NO, or *-**** for any)</source>
        <translation>“%1” is not a system name chat can report (shaped like 0-G8NO, or *-**** for any)</translation>
    </message>
    <message>
        <source>line %1 has a rule for %2 too, and the later rule is used</source>
        <translation>line %1 has a rule for %2 too, and the later rule is used</translation>
    </message>
    <message>
        <source>Line %1: %2 — %3</source>
        <translation>Line %1: %2 — %3</translation>
    </message>
</context>
<context>
    <name>SpeechPanel</name>
    <message>
        <source>Speech started...</source>
        <translation>Speech started...</translation>
    </message>
    <message>
        <source>Speech stopped...</source>
        <translation>Speech stopped...</translation>
    </message>
    <message>
        <source>Speech paused...</source>
        <translation>Speech paused...</translation>
    </message>
    <message>
        <source>Speech error!</source>
        <translation>Speech error!</translation>
    </message>
    <message>
        <source>Speech restarted: %1</source>
        <translation>Speech restarted: %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>the speech engine</source>
        <translation>the speech engine</translation>
    </message>
    <message>
        <source>%1 reported an error</source>
        <translation>%1 reported an error</translation>
    </message>
    <message>
        <source>%1 did not speak within %2 s</source>
        <translation>%1 did not speak within %2 s</translation>
    </message>
    <message>
        <source>%1 went silent in the middle of a text</source>
        <translation>%1 went silent in the middle of a text</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Child</translation>
    </message>
    <message>
        <source>Teenager</source>
        <translation>Teenager</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Adult</translation>
    </message>
    <message>
        <source>Senior</source>
        <translation>Senior</translation>
    </message>
    <message>
        <source>%1 - alerts not spoken</source>
        <translation>%1 - alerts not spoken</translation>
    </message>
    <message>
        <source>Not spoken: alerts are spoken in Chinese or English only; choose one of them as the language</source>
        <translation>Not spoken: alerts are spoken in Chinese or English only; choose one of them as the language</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>开始监听</source>
        <translation>Start listening</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation>Hide window</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Show window</translation>
    </message>
</context>
<context>
    <name>VoiceDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Hello QtTextToSpeech,
this is an example text in English.

QtSpeech is a library that makes text to speech easy with Qt.
Done, over and out.</source>
        <translation>Hello QtTextToSpeech,
this is an example text in English.

QtSpeech is a library that makes text to speech easy with Qt.
Done, over and out.</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Pitch:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>Voice name:</source>
        <translation>Voice name:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Speak</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>PushButton</translation>
    </message>
    <message>
        <source>Cannot speak: %1, also after a restart</source>
        <translation>Cannot speak: %1, also after a restart</translation>
    </message>
    <message>
        <source>Engine:</source>
        <translation>Engine:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>ChatWatch already runs with the settings in %1 but does not answer. End it, then start ChatWatch again.</source>
        <translation>ChatWatch already runs with the settings in %1 but does not answer. End it, then start ChatWatch again.</translation>
    </message>
</context>
</TS>
