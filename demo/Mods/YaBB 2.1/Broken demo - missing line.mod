<id>
Broken demo (fails on purpose)
</id>

<version>
1.0
</version>

<mod info>
This mod fails on purpose, to show what happens then.
Its first step fits the demo forum; its second looks for a line that
the forum does not have. Kestrune reports the failed step and changes
no file at all: a mod goes in wholly or not at all.
</mod info>

<author>
Kestrune demo
</author>

<homepage>
https://example.org/kestrune-demo
</homepage>

<edit file>
Settings.pl
</edit file>

<search for>
$maxdisplay = 20;
</search for>

<add after>
$demo_never_written = 1;
</add after>

<edit file>
Sources/Display.pl
</edit file>

<search for>
	&ShowPollResults($thread);
</search for>

<add after>
	&ShowPollVoters($thread);
</add after>