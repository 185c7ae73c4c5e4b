<id>
Quick Reply box
</id>

<version>
1.0
</version>

<mod info>
Puts a small reply form under every thread, so members can answer
without opening the full posting page.
Edits Settings.pl and Sources/Display.pl.
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
$enable_news = 1;
</search for>

<add after>
$enable_quickreply = 1;
</add after>

<edit file>
Sources/Display.pl
</edit file>

<search for>
	$yymain .= &PageLinks($thread, $start, scalar @messages);
</search for>

<add after>
	# Quick Reply box
	if ($enable_quickreply && $username ne 'Guest') {
		$yymain .= qq~<form action="$scripturl?action=post2;num=$thread" method="post" class="quickreply">
<input type="hidden" name="subject" value="Re: $threadsubject">
<textarea name="message" rows="4" cols="70"></textarea><br>
<input type="submit" value="Quick Reply">
</form>\n~;
	}
</add after>