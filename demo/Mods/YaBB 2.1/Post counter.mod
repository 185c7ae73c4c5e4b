<id>
Post counter
</id>

<version>
0.9
</version>

<mod info>
Counts the posts of every member and shows the count beside each post.
The counts are kept in Messages/MEMBER.count files.
Edits Sources/Post.pl, Sources/Subs.pl and Sources/Display.pl.
</mod info>

<author>
Kestrune demo
</author>

<homepage>
https://example.org/kestrune-demo
</homepage>

<edit file>
Sources/Post.pl
</edit file>

<search for>
	close($out);
</search for>

<add after>
	# Post counter
	&AddPostCount($username);
</add after>

<edit file>
Sources/Subs.pl
</edit file>

<search for>
$subsplver = '2.1 demo';
</search for>

<add after>
# Post counter: how many posts each member has written, one file each.
sub AddPostCount {
	my $member = shift;
	return if $member eq 'Guest';
	my $count = &PostCountOf($member) + 1;
	open(my $counter, '>', "$datadir/$member.count") || return;
	print $counter $count;
	close($counter);
}
sub PostCountOf {
	my $member = shift;
	open(my $counter, '<', "$datadir/$member.count") || return 0;
	my $count = readline($counter);
	close($counter);
	return $count + 0;
}
</add after>

<edit file>
Sources/Display.pl
</edit file>

<search for>
	return qq~<tr><td class="author">$name<br>$when</td><td class="post"><b>$subject</b><hr>$message</td></tr>\n~;
</search for>

<replace>
	my $posts = &PostCountOf($name);
	return qq~<tr><td class="author">$name<br>$when<br>Posts: $posts</td><td class="post"><b>$subject</b><hr>$message</td></tr>\n~;
</replace>