# The home screen: the framework's app list, with home-screen behaviour added.
.class public Lcom/android/launcher3/Launcher;
.super Landroid/app/LauncherActivity;

# Registered while the activity exists; the list is only built in onCreate.
.field private mPackageReceiver:Landroid/content/BroadcastReceiver;

.field private mResumed:Z

# Set when apps changed while the screen was not in front.
.field private mStale:Z


.method public constructor <init>()V
    .registers 1

    invoke-direct {p0}, Landroid/app/LauncherActivity;-><init>()V

    return-void
.end method


# The apps to list. The flags make a tapped app start in (or return to) its own
# task instead of stacking on top of the home task.
.method protected getTargetIntent()Landroid/content/Intent;
    .registers 3

    new-instance v0, Landroid/content/Intent;

    const-string v1, "android.intent.action.MAIN"

    invoke-direct {v0, v1}, Landroid/content/Intent;-><init>(Ljava/lang/String;)V

    const-string v1, "android.intent.category.LAUNCHER"

    invoke-virtual {v0, v1}, Landroid/content/Intent;->addCategory(Ljava/lang/String;)Landroid/content/Intent;

    # FLAG_ACTIVITY_NEW_TASK | FLAG_ACTIVITY_RESET_TASK_IF_NEEDED
    const/high16 v1, 0x10200000

    invoke-virtual {v0, v1}, Landroid/content/Intent;->addFlags(I)Landroid/content/Intent;

    return-object v0
.end method


# Everything launchable except this home screen itself.
.method protected onQueryPackageManager(Landroid/content/Intent;)Ljava/util/List;
    .registers 8

    invoke-super {p0, p1}, Landroid/app/LauncherActivity;->onQueryPackageManager(Landroid/content/Intent;)Ljava/util/List;

    move-result-object v0

    new-instance v1, Ljava/util/ArrayList;

    invoke-direct {v1}, Ljava/util/ArrayList;-><init>()V

    invoke-virtual {p0}, Lcom/android/launcher3/Launcher;->getPackageName()Ljava/lang/String;

    move-result-object v2

    invoke-interface {v0}, Ljava/util/List;->iterator()Ljava/util/Iterator;

    move-result-object v3

    :next
    invoke-interface {v3}, Ljava/util/Iterator;->hasNext()Z

    move-result v4

    if-eqz v4, :done

    invoke-interface {v3}, Ljava/util/Iterator;->next()Ljava/lang/Object;

    move-result-object v4

    check-cast v4, Landroid/content/pm/ResolveInfo;

    iget-object v5, v4, Landroid/content/pm/ResolveInfo;->activityInfo:Landroid/content/pm/ActivityInfo;

    iget-object v5, v5, Landroid/content/pm/PackageItemInfo;->packageName:Ljava/lang/String;

    invoke-virtual {v2, v5}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z

    move-result v5

    if-nez v5, :next

    invoke-interface {v1, v4}, Ljava/util/List;->add(Ljava/lang/Object;)Z

    goto :next

    :done
    return-object v1
.end method


.method protected onCreate(Landroid/os/Bundle;)V
    .registers 4

    invoke-super {p0, p1}, Landroid/app/LauncherActivity;->onCreate(Landroid/os/Bundle;)V

    new-instance v0, Landroid/content/IntentFilter;

    invoke-direct {v0}, Landroid/content/IntentFilter;-><init>()V

    const-string v1, "android.intent.action.PACKAGE_ADDED"

    invoke-virtual {v0, v1}, Landroid/content/IntentFilter;->addAction(Ljava/lang/String;)V

    const-string v1, "android.intent.action.PACKAGE_REMOVED"

    invoke-virtual {v0, v1}, Landroid/content/IntentFilter;->addAction(Ljava/lang/String;)V

    # Sent when an app's components are enabled or disabled.
    const-string v1, "android.intent.action.PACKAGE_CHANGED"

    invoke-virtual {v0, v1}, Landroid/content/IntentFilter;->addAction(Ljava/lang/String;)V

    const-string v1, "package"

    invoke-virtual {v0, v1}, Landroid/content/IntentFilter;->addDataScheme(Ljava/lang/String;)V

    new-instance v1, Lcom/android/launcher3/PackageChangeReceiver;

    invoke-direct {v1, p0}, Lcom/android/launcher3/PackageChangeReceiver;-><init>(Lcom/android/launcher3/Launcher;)V

    iput-object v1, p0, Lcom/android/launcher3/Launcher;->mPackageReceiver:Landroid/content/BroadcastReceiver;

    invoke-virtual {p0, v1, v0}, Lcom/android/launcher3/Launcher;->registerReceiver(Landroid/content/BroadcastReceiver;Landroid/content/IntentFilter;)Landroid/content/Intent;

    return-void
.end method


.method protected onDestroy()V
    .registers 2

    iget-object v0, p0, Lcom/android/launcher3/Launcher;->mPackageReceiver:Landroid/content/BroadcastReceiver;

    if-eqz v0, :unregistered

    invoke-virtual {p0, v0}, Lcom/android/launcher3/Launcher;->unregisterReceiver(Landroid/content/BroadcastReceiver;)V

    const/4 v0, 0x0

    iput-object v0, p0, Lcom/android/launcher3/Launcher;->mPackageReceiver:Landroid/content/BroadcastReceiver;

    :unregistered
    invoke-super {p0}, Landroid/app/LauncherActivity;->onDestroy()V

    return-void
.end method


# Returning home after apps changed rebuilds the list.
.method protected onResume()V
    .registers 2

    invoke-super {p0}, Landroid/app/LauncherActivity;->onResume()V

    const/4 v0, 0x1

    iput-boolean v0, p0, Lcom/android/launcher3/Launcher;->mResumed:Z

    iget-boolean v0, p0, Lcom/android/launcher3/Launcher;->mStale:Z

    if-eqz v0, :current

    const/4 v0, 0x0

    iput-boolean v0, p0, Lcom/android/launcher3/Launcher;->mStale:Z

    invoke-virtual {p0}, Lcom/android/launcher3/Launcher;->recreate()V

    :current
    return-void
.end method


.method protected onPause()V
    .registers 2

    const/4 v0, 0x0

    iput-boolean v0, p0, Lcom/android/launcher3/Launcher;->mResumed:Z

    invoke-super {p0}, Landroid/app/LauncherActivity;->onPause()V

    return-void
.end method


# Called by the receiver: rebuild now when in front, else on the next return.
.method onPackagesChanged()V
    .registers 2

    iget-boolean v0, p0, Lcom/android/launcher3/Launcher;->mResumed:Z

    if-eqz v0, :later

    invoke-virtual {p0}, Lcom/android/launcher3/Launcher;->recreate()V

    return-void

    :later
    const/4 v0, 0x1

    iput-boolean v0, p0, Lcom/android/launcher3/Launcher;->mStale:Z

    return-void
.end method


# Home is the bottom of the stack: Back has nowhere to go from here.
.method public onBackPressed()V
    .registers 1

    return-void
.end method
