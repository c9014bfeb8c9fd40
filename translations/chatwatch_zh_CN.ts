<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlertHistory</name>
    <message>
        <source>The last %1 alerts, newest first</source>
        <translation>最近 %1 条预警，最新的在前</translation>
    </message>
    <message>
        <source>said once: already waiting</source>
        <translation>只播报一次：已在等待中</translation>
    </message>
    <message>
        <source>dropped: %1 alerts were waiting</source>
        <translation>已丢弃：已有 %1 条预警在等待</translation>
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
        <translation>未朗读</translation>
    </message>
    <message>
        <source>Said: %1</source>
        <translation>朗读：%1</translation>
    </message>
    <message>
        <source>a clear, not said</source>
        <translation>报清，未朗读</translation>
    </message>
    <message>
        <source>a question, not said</source>
        <translation>询问，未朗读</translation>
    </message>
    <message>
        <source>not spoken: the voice&apos;s language is neither Chinese nor English</source>
        <translation>未朗读：语音的语言既不是中文也不是英文</translation>
    </message>
    <message>
        <source>not spoken: the speech engine failed</source>
        <translation>未朗读：语音引擎出错</translation>
    </message>
    <message>
        <source>not spoken: %1</source>
        <translation>未朗读：%1</translation>
    </message>
    <message>
        <source>Alerts will be listed here: the time, the channel, the system and the intel line that named it.</source>
        <translation>预警会列在这里：时间、频道、星系和提到它的情报原文。</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>Dialog</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>No log of this channel in %1 yet</source>
        <translation>%1 中还没有这个频道的日志</translation>
    </message>
    <message>
        <source>Follow a channel&apos;s newer log by itself (a relog, the daily restart)</source>
        <translation>自动跟随频道的新日志（重新登录、每日重启）</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>刚刚</translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>%n 分钟前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n 小时前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n 天前</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChatWatch</name>
    <message>
        <source>the file is read-only</source>
        <translation>文件是只读的</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>设置未保存</translation>
    </message>
    <message>
        <source>Could not save %1: %2
The previous settings are kept.</source>
        <translation>无法保存 %1：%2
原来的设置保持不变。</translation>
    </message>
</context>
<context>
    <name>LocationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>位置规则</translation>
    </message>
    <message>
        <source>From map…</source>
        <translation>从星图生成…</translation>
    </message>
    <message>
        <source>Save the rules (Ctrl+Return)</source>
        <translation>保存规则 (Ctrl+Return)</translation>
    </message>
    <message>
        <source>List every line that can never fire, and why</source>
        <translation>列出每一条永远不会触发的行及其原因</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) can never fire:</source>
        <translation>
            <numerusform>%n 行永远不会触发：</numerusform>
        </translation>
    </message>
    <message>
        <source>No line that can never fire.</source>
        <translation>没有永远不会触发的行。</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more, under Show Details.</source>
        <translation>
            <numerusform>……还有 %n 行，见“显示详细信息”。</numerusform>
        </translation>
    </message>
    <message>
        <source>Off: a line that says a system is clear, or asks about it, is only listed in the main window</source>
        <translation>关闭时：说某星系已清、或询问某星系的行只列在主窗口中，不播报</translation>
    </message>
    <message>
        <source>Announce clear reports and questions too</source>
        <translation>“清”的报告和询问也播报</translation>
    </message>
    <message>
        <source>One rule a line: words before|SYSTEM|words after. An alert says the words before, the system and the words after.

# a system, in any letter case:
5 jumps|0-G8NO|hostile
# *-**** stands for any other system:
near|*-****|spotted
# lines starting with # are notes

From map… writes a rule for every system within some jumps of yours.</source>
        <translation>每行一条规则：前面的话|星系|后面的话。预警依次说出前面的话、星系名和后面的话。

# 一个星系，字母大小写均可：
5跳位|0-G8NO|预警
# *-**** 代表其他任何星系：
附近|*-****|出现敌对
# 以 # 开头的行是备注

“从星图生成…”会为你周围若干跳内的每个星系写好规则。</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) can never fire — %1</source>
        <translation>
            <numerusform>%n 行永远不会触发 — %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocationStatus</name>
    <message>
        <source>Map rules cannot follow you: their marker lines are damaged</source>
        <translation>星图规则无法跟随你：其标记行已损坏</translation>
    </message>
    <message>
        <source>The map rules&apos; marker lines (their first line and &quot;# end of map rules&quot;) cannot be read, so they count jumps from where they were made. Make them again in 选项 &gt; Location &gt; From map….</source>
        <translation>无法读取星图规则的标记行（第一行和“# end of map rules”），因此跳数仍从生成时的星系算起。请在 选项 &gt; 位置规则 &gt; 从星图生成… 中重新生成。</translation>
    </message>
    <message>
        <source>Where you are is not known: jump counts from %1</source>
        <translation>不知道你在哪里：跳数从 %1 算起</translation>
    </message>
    <message>
        <source>No line of the game&apos;s in a Local log says which system you are in: Local is not logged, or the game is not running. The rules counted from %1 stay in force.</source>
        <translation>本地频道日志中没有游戏写下的、说明你所在星系的行：本地频道未记录日志，或游戏未在运行。从 %1 算起的规则继续有效。</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>位于 %1</translation>
    </message>
    <message>
        <source>In %1, as the game says in %2.</source>
        <translation>位于 %1，依据游戏在 %2 中的记录。</translation>
    </message>
    <message>
        <source>Map rules count jumps from %1.</source>
        <translation>星图规则的跳数从 %1 算起。</translation>
    </message>
    <message>
        <source>%1 (not on the map)</source>
        <translation>%1（不在星图上）</translation>
    </message>
    <message>
        <source>In %1: jump counts from %2</source>
        <translation>位于 %1：跳数从 %2 算起</translation>
    </message>
    <message>
        <source>Your characters are in %1, as the game says in their Local logs.</source>
        <translation>你的角色位于 %1，依据游戏在各角色本地频道日志中的记录。</translation>
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
        <translation>引擎</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>音调：</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>Voice name:</source>
        <translation>嗓音：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>语速：</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止朗读</translation>
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
        <translation>开始监听</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Chatlogs</source>
        <translation>聊天日志文件夹</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置规则</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于 ChatWatch</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Alerts cannot be spoken: %1</source>
        <translation>无法朗读预警：%1</translation>
    </message>
    <message>
        <source>, also after the speech engine was restarted. The next alert tries again. Check that the speech service speaks (spd-say hello) and the voice in 选项 &gt; Voice.</source>
        <translation>，重启语音引擎后依然如此。下一条预警会再试。请检查语音服务能否发声（spd-say hello），并检查“选项 &gt; 语音”中的设置。</translation>
    </message>
    <message>
        <source>An alert was matched but not spoken: the voice&apos;s language, %1 (%2), is neither Chinese nor English. Choose a Chinese or English language in 选项 &gt; Voice.</source>
        <translation>有预警匹配，但没有朗读：嗓音的语言 %1 (%2) 既不是中文也不是英文。请在“选项 &gt; 语音”中选择中文或英文。</translation>
    </message>
    <message>
        <source>&lt;b&gt;ChatWatch&lt;/b&gt; %1&lt;br&gt;Speaks an alert when a watched system is named in the chat channels you follow.&lt;br&gt;Copyright 2026 ChatWatch developers. Free software under the GNU GPL, version 3 or later; it comes with no warranty.</source>
        <translation>&lt;b&gt;ChatWatch&lt;/b&gt; %1&lt;br&gt;当你关注的聊天频道中有人提到你监视的星系时，朗读预警。&lt;br&gt;版权所有 2026 ChatWatch 开发者。自由软件，依照 GNU GPL 第 3 版或更新版本发布；不提供任何担保。</translation>
    </message>
    <message>
        <source>About ChatWatch</source>
        <translation>关于 ChatWatch</translation>
    </message>
    <message>
        <source>ChatWatch %1
No update page is set for this build.</source>
        <translation>ChatWatch %1
此版本没有设置更新页面。</translation>
    </message>
    <message>
        <source>Listening stopped</source>
        <translation>已停止监听</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 was removed or renamed.</source>
        <translation>“%1”：%2 已被删除或改名。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: new log %2; none when listening started.</source>
        <translation>“%1”：新日志 %2；开始监听时还没有。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: newer log %2; following %3.</source>
        <translation>“%1”：更新的日志 %2；正在监听 %3。</translation>
    </message>
    <message>
        <source>Logs of %1 channels changed</source>
        <translation>%1 个频道的日志有变化</translation>
    </message>
    <message>
        <source>Newer logs for %1 channels</source>
        <translation>%1 个频道有更新的日志</translation>
    </message>
    <message>
        <source>&quot;%1&quot; log removed</source>
        <translation>“%1”日志已删除</translation>
    </message>
    <message>
        <source>New &quot;%1&quot; log</source>
        <translation>“%1”有新日志</translation>
    </message>
    <message>
        <source>Newer &quot;%1&quot; log</source>
        <translation>“%1”有更新的日志</translation>
    </message>
    <message>
        <source>Press 停止, then 开始监听 to follow it.</source>
        <translation>按“停止”，再按“开始监听”即可监听它。</translation>
    </message>
    <message>
        <source>Press 停止, then 开始监听 to follow the newest log of each channel.</source>
        <translation>按“停止”，再按“开始监听”即可监听每个频道的最新日志。</translation>
    </message>
    <message>
        <source>: press 停止, then 开始监听</source>
        <translation>：请按“停止”，再按“开始监听”</translation>
    </message>
    <message numerus="yes">
        <source>Listening to %n chat log(s)</source>
        <translation>
            <numerusform>正在监听 %n 个聊天日志</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n channel(s) without a log</source>
        <translation>
            <numerusform>；%n 个频道没有日志</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log(s) cannot be opened</source>
        <translation>
            <numerusform>%n 个日志无法打开</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open %1: what is said there is not heard. Check that you may read it, then press 停止 and 开始监听.</source>
        <translation>无法打开 %1：其中的发言听不到。请确认你有权读取它，然后按“停止”，再按“开始监听”。</translation>
    </message>
    <message numerus="yes">
        <source>%n alert(s) dropped: too many waiting</source>
        <translation>
            <numerusform>已丢弃 %n 条预警：等待的太多</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Alerts came faster than they can be said: at most %1 wait their turn; beyond that the farthest by jumps is dropped, one whose distance is not known first, the oldest among equals (%n so far, marked in the list).</source>
        <translation>
            <numerusform>预警来得比播报快：最多 %1 条排队等待，超出时丢弃跳数最远的一条，距离未知的先丢弃，距离相同时丢弃等待最久的（目前已丢弃 %n 条，已在列表中标出）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>Now following the newer &quot;%1&quot; log</source>
        <translation>现在跟随“%1”的新日志</translation>
    </message>
    <message numerus="yes">
        <source>Now following the newer logs of %n channel(s)</source>
        <translation>
            <numerusform>现在跟随 %n 个频道的新日志</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for a channel and a location rule (选项)</source>
        <translation>等待频道和位置规则（选项）</translation>
    </message>
    <message>
        <source>Waiting for a channel to follow (选项 &gt; Channel)</source>
        <translation>等待要监听的频道（选项 &gt; 频道）</translation>
    </message>
    <message>
        <source>Waiting for a location rule (选项 &gt; Location)</source>
        <translation>等待位置规则（选项 &gt; 位置规则）</translation>
    </message>
    <message>
        <source>; no log found for %1</source>
        <translation>；找不到 %1 的日志</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>文件夹：%1</translation>
    </message>
    <message>
        <source>Following no log</source>
        <translation>未跟随任何日志</translation>
    </message>
    <message>
        <source>Following: %1</source>
        <translation>正在跟随：%1</translation>
    </message>
    <message>
        <source>Silent in %1: use Chinese or English (选项 &gt; Voice)</source>
        <translation>%1 不朗读预警：请选中文或英文（选项 &gt; 语音）</translation>
    </message>
    <message>
        <source>First choose the channels to follow: 选项 &gt; Channel</source>
        <translation>第一步：选择要监听的频道（选项 &gt; 频道）</translation>
    </message>
    <message>
        <source>Next add location rules: 选项 &gt; Location</source>
        <translation>下一步：添加位置规则（选项 &gt; 位置规则）</translation>
    </message>
    <message>
        <source>Ready: press 开始监听</source>
        <translation>准备就绪：请按“开始监听”</translation>
    </message>
    <message>
        <source>Choose the channels whose intel you want to hear in 选项 &gt; Channel, add the systems to watch in 选项 &gt; Location (&quot;From map…&quot; writes them for you), then press 开始监听.</source>
        <translation>在“选项 &gt; 频道”中选择要听取情报的频道，在“选项 &gt; 位置规则”中添加要监视的星系（“从星图生成…”可以替你写好），然后按“开始监听”。</translation>
    </message>
</context>
<context>
    <name>MapDialog</name>
    <message>
        <source>Rules from the map</source>
        <translation>从星图生成规则</translation>
    </message>
    <message>
        <source>&amp;Home system:</source>
        <translation>母星系(&amp;H)：</translation>
    </message>
    <message>
        <source>for example 1DQ1-A</source>
        <translation>例如 1DQ1-A</translation>
    </message>
    <message>
        <source>&amp;Radius in jumps:</source>
        <translation>半径（跳数）(&amp;R)：</translation>
    </message>
    <message>
        <source>Words &amp;before the system:</source>
        <translation>星系前的词(&amp;B)：</translation>
    </message>
    <message>
        <source>Words a&amp;fter the system:</source>
        <translation>星系后的词(&amp;F)：</translation>
    </message>
    <message>
        <source>%1 in the words stands for the number of jumps. Systems that already have a rule of yours keep it.</source>
        <translation>词中的 %1 代表跳数。已有你自己规则的星系保留原规则。</translation>
    </message>
    <message>
        <source>Type your home system: the names of the map are offered as you type.</source>
        <translation>请输入母星系：输入时会提示星图中的名字。</translation>
    </message>
    <message>
        <source>There is no system &quot;%1&quot; on the map.</source>
        <translation>星图中没有星系“%1”。</translation>
    </message>
    <message>
        <source>The words cannot contain &quot;|&quot;: it separates the fields of a rule.</source>
        <translation>词中不能有“|”：它用来分隔规则的各个部分。</translation>
    </message>
    <message>
        <source>
No rule, as chat detection cannot find such names: %1 (%2)</source>
        <translation>
聊天识别找不到这类名字，因此不生成规则：%1 (%2)</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… 另有 %1 条</translation>
    </message>
    <message>
        <source>Count jumps from:</source>
        <translation>跳数起点：</translation>
    </message>
    <message>
        <source>&amp;this system</source>
        <translation>此星系(&amp;T)</translation>
    </message>
    <message>
        <source>The rules are made again from each system you enter, as the game writes it in the Local channel&apos;s log</source>
        <translation>每进入一个星系（以游戏写入本地频道日志的为准），规则就从该星系重新生成</translation>
    </message>
    <message>
        <source>&amp;where I am</source>
        <translation>我所在的位置(&amp;W)</translation>
    </message>
    <message>
        <source>Where you are &amp;now:</source>
        <translation>当前所在星系(&amp;N)：</translation>
    </message>
    <message>
        <source>Type the system you are in: the game&apos;s Local log has not said it yet.</source>
        <translation>请输入你所在的星系：游戏的本地频道日志尚未记录。</translation>
    </message>
    <message>
        <source>
While listening, these rules are made again from each system you enter, as the game writes it in the Local channel&apos;s log.</source>
        <translation>
监听时，每进入一个星系（以游戏写入本地频道日志的为准），这些规则就从该星系重新生成。</translation>
    </message>
    <message>
        <source>Words before &amp;your own system:</source>
        <translation>你所在星系前的词(&amp;Y)：</translation>
    </message>
    <message>
        <source>Said instead of the words before for the system the jumps are counted from; left empty, the words before say 0 jumps</source>
        <translation>对计算跳数的起点星系，说这些词来代替“星系前的词”；留空则“星系前的词”说 0 跳</translation>
    </message>
    <message>
        <source>The rules go between the lines &quot;# map rules from …&quot; and &quot;# end of map rules&quot;. Made again, that block is replaced whole; the lines outside it stay as you wrote them.</source>
        <translation>生成的规则放在首尾两行 # 标记之间（标记行以英文写成）。再次生成时整块替换；块外的行保持你写的样子。</translation>
    </message>
    <message>
        <source>Go on typing, or choose one of the names offered.</source>
        <translation>请继续输入，或从提示的名称中选择。</translation>
    </message>
    <message numerus="yes">
        <source>Systems within %n jump(s) of %1: %2
Rules to add: %3
Kept, as you have a rule for them: %4</source>
        <translation>
            <numerusform>距 %1 %n 跳以内的星系：%2
将添加的规则：%3
已有你的规则而保留：%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s Local log says you are in %1.</source>
        <translation>游戏的本地频道日志显示你在 %1。</translation>
    </message>
    <message>
        <source>Type the words said before your own system, in place of a count of jumps.</source>
        <translation>请输入在你所在星系前要说的词，用来代替跳数。</translation>
    </message>
</context>
<context>
    <name>RuleCheck</name>
    <message>
        <source>no “|”: a rule is words|system|words</source>
        <translation>没有“|”：规则的格式是 文字|星系|文字</translation>
    </message>
    <message numerus="yes">
        <source>%n fields: a rule has three, words|system|words</source>
        <translation>
            <numerusform>%n 个字段：规则有三个字段，文字|星系|文字</numerusform>
        </translation>
    </message>
    <message>
        <source>spaces around the system name “%1”</source>
        <translation>星系名“%1”两边有空格</translation>
    </message>
    <message>
        <source>“%1” is not a system name chat can report (shaped like 0-G8NO, or *-**** for any)</source>
        <translation>“%1”不是聊天中能识别的星系名（形如 0-G8NO，或用 *-**** 表示任意星系）</translation>
    </message>
    <message>
        <source>line %1 has a rule for %2 too, and the later rule is used</source>
        <translation>第 %1 行也有 %2 的规则，使用的是后面那条</translation>
    </message>
    <message>
        <source>Line %1: %2 — %3</source>
        <translation>第 %1 行：%2 — %3</translation>
    </message>
</context>
<context>
    <name>SpeechPanel</name>
    <message>
        <source>Speech started...</source>
        <translation>开始朗读...</translation>
    </message>
    <message>
        <source>Speech stopped...</source>
        <translation>朗读停止...</translation>
    </message>
    <message>
        <source>Speech paused...</source>
        <translation>朗读暂停...</translation>
    </message>
    <message>
        <source>Speech error!</source>
        <translation>语音出错！</translation>
    </message>
    <message>
        <source>Speech restarted: %1</source>
        <translation>语音已重启：%1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>the speech engine</source>
        <translation>语音引擎</translation>
    </message>
    <message>
        <source>%1 reported an error</source>
        <translation>%1 报告了错误</translation>
    </message>
    <message>
        <source>%1 did not speak within %2 s</source>
        <translation>%1 在 %2 秒内没有发声</translation>
    </message>
    <message>
        <source>%1 went silent in the middle of a text</source>
        <translation>%1 在播报中途没有了声音</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>儿童</translation>
    </message>
    <message>
        <source>Teenager</source>
        <translation>青少年</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>成人</translation>
    </message>
    <message>
        <source>Senior</source>
        <translation>老年</translation>
    </message>
    <message>
        <source>%1 - alerts not spoken</source>
        <translation>%1 - 不能播报预警</translation>
    </message>
    <message>
        <source>Not spoken: alerts are spoken in Chinese or English only; choose one of them as the language</source>
        <translation>未朗读：预警只能用中文或英文播报，请选择其中一种语言</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>开始监听</source>
        <translation>开始监听</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation>隐藏窗口</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>显示窗口</translation>
    </message>
</context>
<context>
    <name>VoiceDialog</name>
    <message>
        <source>Dialog</source>
        <translation>语音</translation>
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
        <translation>音调：</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>Voice name:</source>
        <translation>嗓音：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>语速：</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止朗读</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>按钮</translation>
    </message>
    <message>
        <source>Cannot speak: %1, also after a restart</source>
        <translation>无法朗读：%1，重启后依然如此</translation>
    </message>
    <message>
        <source>Engine:</source>
        <translation>引擎：</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>ChatWatch already runs with the settings in %1 but does not answer. End it, then start ChatWatch again.</source>
        <translation>ChatWatch 已在使用 %1 中的设置运行，但没有响应。请结束它，然后重新启动 ChatWatch。</translation>
    </message>
</context>
</TS>
