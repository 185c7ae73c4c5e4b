<id>
Board motto
</id>

<version>
1.2
</version>

<mod info>
Shows a motto under the forum's name on every page.
Change the text in Settings.pl ($boardmotto) after installing.
Edits three files: Settings.pl, Sources/Subs.pl and the default template.
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
$mbname = 'Kestrune Demo Forum';
</search for>

<add after>
$boardmotto = 'Every mod can be taken back.';
</add after>

<edit file>
Sources/Subs.pl
</edit file>

<search for>
	$yytemplate =~ s/\{yabb mbname\}/$mbname/g;
</search for>

<add after>
	$yytemplate =~ s/\{yabb motto\}/$boardmotto/g;
</add after>

<edit file>
Templates/default.html
</edit file>

<search for>
  <h1>{yabb mbname}</h1>
</search for>

<replace>
  <h1>{yabb mbname}</h1>
  <p class="motto">{yabb motto}</p>
</replace>